// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Whether a D-Bus session bus is there to talk to, decided before the application starts:
// from the address in the environment or the user's bus socket in the runtime folder.
#include "platform/SessionBus.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Built where the sound is a module, the Unix desktops (see the top-level CMakeLists.txt).
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace bexalo;

class tst_SessionBus : public QObject {
    Q_OBJECT

private slots:
    void aBusIsPresentOnlyWithAnAddressOrASocket_data();
    void aBusIsPresentOnlyWithAnAddressOrASocket();
};

void tst_SessionBus::aBusIsPresentOnlyWithAnAddressOrASocket_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QString>("runtimeBus"); // what lies at $XDG_RUNTIME_DIR/bus; "" no runtime folder
    QTest::addColumn<bool>("present");

    QTest::newRow("a desktop session's address") << QByteArray("unix:path=/run/user/1000/bus") << "" << true;
    QTest::newRow("an abstract socket address") << QByteArray("unix:abstract=/tmp/dbus-x,guid=1") << "nothing" << true;
    QTest::newRow("no address, no runtime folder") << QByteArray() << "" << false;
    QTest::newRow("a blank address") << QByteArray("  ") << "" << false;
    QTest::newRow("no address, the user's bus socket") << QByteArray() << "socket" << true;
    QTest::newRow("no address, an empty runtime folder") << QByteArray() << "nothing" << false;
    QTest::newRow("no address, a plain file named bus") << QByteArray() << "file" << false;
    QTest::newRow("no address, a folder named bus") << QByteArray() << "folder" << false;
}

void tst_SessionBus::aBusIsPresentOnlyWithAnAddressOrASocket()
{
    QFETCH(QByteArray, address);
    QFETCH(QString, runtimeBus);
    QFETCH(bool, present);

    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    const QByteArray bus = QFile::encodeName(runtime.filePath(QStringLiteral("bus")));
    int fd = -1;
    if (runtimeBus == QLatin1String("socket")) {
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un where{};
        where.sun_family = AF_UNIX;
        QVERIFY(size_t(bus.size()) < sizeof(where.sun_path));
        std::copy(bus.begin(), bus.end(), where.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&where), sizeof(where)), 0);
    } else if (runtimeBus == QLatin1String("file")) {
        QFile file(QFile::decodeName(bus));
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (runtimeBus == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(QFile::decodeName(bus)));
    }
    const QByteArray runtimeDir = runtimeBus.isEmpty() ? QByteArray() : QFile::encodeName(runtime.path());

    QCOMPARE(sessionBusPresent(address, runtimeDir), present);
    if (fd >= 0) {
        ::close(fd);
    }
}

QTEST_APPLESS_MAIN(tst_SessionBus)
#include "tst_sessionbus.moc"
