// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The start window's key rules without any widget: the code a key event stands for, which keys
// a group acts on, where Space goes, and which locks a handled key sets and a release clears.
#include "controls/KeyCodes.h"
#include "start/KeyLocks.h"

#include <QKeyEvent>
#include <QtTest>

using namespace bexalo;

Q_DECLARE_METATYPE(KeyDownChoice::Kind)
Q_DECLARE_METATYPE(NativeKeys)

class tst_KeyLocks : public QObject {
    Q_OBJECT

private slots:
    void aKeyIsKnownByItsOwnCodeWhateverTheShiftState_data();
    void aKeyIsKnownByItsOwnCodeWhateverTheShiftState();
    void inTheBrowserThePageNamesTheKey_data();
    void inTheBrowserThePageNamesTheKey();
    void thePlatformSaysWhichNativeCodesItsKeysCarry();
    void keyDownIsClassifiedPerGroup_data();
    void keyDownIsClassifiedPerGroup();
    void spaceMovesToTheNextOptionRound_data();
    void spaceMovesToTheNextOptionRound();
    void aHandledKeyLocksItsGroupAndTheNext_data();
    void aHandledKeyLocksItsGroupAndTheNext();
    void releaseClearsOnlyItsOwnGroup();
};

void tst_KeyLocks::aKeyIsKnownByItsOwnCodeWhateverTheShiftState_data()
{
    QTest::addColumn<NativeKeys>("native");
    QTest::addColumn<int>("key");       // Qt's key, as the platform translated it
    QTest::addColumn<int>("modifiers"); // Qt::KeyboardModifiers
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("scanCode"); // the platform's own report of the key
    QTest::addColumn<quint32>("virtualKey");
    QTest::addColumn<quint32>("nativeModifiers");
    QTest::addColumn<int>("code");

    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    const quint32 xShift = 0x1, xLock = 0x2, xNumLock = 0x10; // X11 modifier masks
    const NativeKeys X = NativeKeys::Xkb, W = NativeKeys::Windows;

    // X11 and Wayland: the key code names the key; the key sym (virtual key) is the symbol.
    QTest::newRow("xkb: 1") << X << int(Qt::Key_1) << 0 << "1" << 10u << 0x31u << 0u << 49;
    QTest::newRow("xkb: Shift+1 is 1, not !")
        << X << int(Qt::Key_Exclam) << shift << "!" << 10u << 0x21u << xShift << 49;
    QTest::newRow("xkb: Shift+2 is 2, not @") << X << int(Qt::Key_At) << shift << "@" << 11u << 0x40u << xShift << 50;
    QTest::newRow("xkb: Shift+3 is 3, not #")
        << X << int(Qt::Key_NumberSign) << shift << "#" << 12u << 0x23u << xShift << 51;
    QTest::newRow("xkb: Shift+3 on an Italian keyboard, not \u00a3")
        << X << int(Qt::Key_sterling) << shift << QString(QChar(0xA3)) << 12u << 0xA3u << xShift << 51;
    QTest::newRow("xkb: Caps Lock+1") << X << int(Qt::Key_1) << 0 << "1" << 10u << 0x31u << xLock << 49;
    QTest::newRow("xkb: Caps Lock+Shift+2")
        << X << int(Qt::Key_At) << shift << "@" << 11u << 0x40u << (xLock | xShift) << 50;
    QTest::newRow("xkb: the 1 key of a French keyboard, unshifted &")
        << X << int(Qt::Key_Ampersand) << 0 << "&" << 10u << 0x26u << 0u << 49;
    QTest::newRow("xkb: Shift+4 is 4") << X << int(Qt::Key_Dollar) << shift << "$" << 13u << 0x24u << xShift << 52;
    QTest::newRow("xkb: Shift+0 is 0") << X << int(Qt::Key_ParenRight) << shift << ")" << 19u << 0x29u << xShift << 48;
    QTest::newRow("xkb: Enter") << X << int(Qt::Key_Return) << 0 << "\r" << 36u << 0xFF0Du << 0u << 13;
    QTest::newRow("xkb: Shift+Enter is Enter")
        << X << int(Qt::Key_Return) << shift << "\r" << 36u << 0xFF0Du << xShift << 13;
    QTest::newRow("xkb: keypad 1") << X << int(Qt::Key_1) << keypad << "1" << 87u << 0xFFB1u << xNumLock << 97;
    QTest::newRow("xkb: keypad 3") << X << int(Qt::Key_3) << keypad << "3" << 89u << 0xFFB3u << xNumLock << 99;
    QTest::newRow("xkb: Shift+keypad 1 is End, still no digit")
        << X << int(Qt::Key_End) << (shift | keypad) << "" << 87u << 0xFF9Cu << (xShift | xNumLock) << 35;
    QTest::newRow("xkb: Shift+keypad Enter is Enter")
        << X << int(Qt::Key_Enter) << (shift | keypad) << "\r" << 104u << 0xFF8Du << (xShift | xNumLock) << 13;
    QTest::newRow("xkb: Shift+a symbol key of its own stays unknown")
        << X << int(Qt::Key_Question) << shift << "?" << 61u << 0x3Fu << xShift << 255;

    // Windows: the virtual key names the key.
    QTest::newRow("windows: 1") << W << int(Qt::Key_1) << 0 << "1" << 2u << 0x31u << 0u << 49;
    QTest::newRow("windows: Shift+1 is 1") << W << int(Qt::Key_Exclam) << shift << "!" << 2u << 0x31u << 0x1u << 49;
    QTest::newRow("windows: Shift+3 is 3") << W << int(Qt::Key_NumberSign) << shift << "#" << 4u << 0x33u << 0x1u << 51;
    QTest::newRow("windows: keypad 1") << W << int(Qt::Key_1) << keypad << "1" << 79u << 0x61u << 0u << 97;
    QTest::newRow("windows: Shift+Enter is Enter")
        << W << int(Qt::Key_Return) << shift << "\r" << 28u << 0x0Du << 0x1u << 13;

    // Without the platform's codes only Qt's key is known.
    QTest::newRow("none: Shift+1 with a digit key")
        << NativeKeys::None << int(Qt::Key_1) << shift << "!" << 0u << 0u << 0u << 49;
    QTest::newRow("none: keypad 2") << NativeKeys::None << int(Qt::Key_2) << keypad << "2" << 0u << 0u << 0u << 98;
    QTest::newRow("none: a symbol") << NativeKeys::None << int(Qt::Key_Exclam) << shift << "!" << 10u << 0x21u << 0u
                                    << 255;
}

void tst_KeyLocks::aKeyIsKnownByItsOwnCodeWhateverTheShiftState()
{
    QFETCH(NativeKeys, native);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, virtualKey);
    QFETCH(quint32, nativeModifiers);
    QFETCH(int, code);

    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        const QKeyEvent event(type, key, Qt::KeyboardModifiers(modifiers), scanCode, virtualKey, nativeModifiers, text);
        QCOMPARE(virtualKeyCode(event, native), code);
    }
}

namespace {
int pageKey = 255;
int readPageKey() { return pageKey; }
} // namespace

void tst_KeyLocks::inTheBrowserThePageNamesTheKey_data()
{
    QTest::addColumn<int>("key"); // Qt's key, as the browser's platform translated it
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("page"); // what the page reports for the key being handled
    QTest::addColumn<int>("code");

    const int shift = Qt::ShiftModifier;
    QTest::newRow("Shift+1 is 1") << int(Qt::Key_Exclam) << shift << "!" << 49 << 49;
    QTest::newRow("Shift+3 on an Italian keyboard is 3")
        << int(Qt::Key_sterling) << shift << QString(QChar(0xA3)) << 51 << 51;
    QTest::newRow("Shift+0 is 0") << int(Qt::Key_ParenRight) << shift << ")" << 48 << 48;
    QTest::newRow("Shift+keypad 2 as a symbol is keypad 2") << int(Qt::Key_unknown) << shift << "" << 98 << 98;
    QTest::newRow("Shift+Enter without a key of Qt's is Enter") << int(Qt::Key_unknown) << shift << "" << 13 << 13;
    QTest::newRow("Qt's own digit wins over a stale report") << int(Qt::Key_1) << 0 << "1" << 50 << 49;
    QTest::newRow("a symbol key of its own stays unknown") << int(Qt::Key_Question) << shift << "?" << 255 << 255;
    QTest::newRow("a page code that is no digit nor Enter is ignored")
        << int(Qt::Key_Exclam) << shift << "!" << 65 << 255;
}

void tst_KeyLocks::inTheBrowserThePageNamesTheKey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, page);
    QFETCH(int, code);

    const QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), 0, 0, 0, text);
    // Without a reader the page names nothing.
    setPageKeyReader(nullptr);
    QCOMPARE(virtualKeyCode(press, NativeKeys::Page), virtualKeyCode(press, NativeKeys::None));
    pageKey = page;
    setPageKeyReader(&readPageKey);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        const QKeyEvent event(type, key, Qt::KeyboardModifiers(modifiers), 0, 0, 0, text);
        QCOMPARE(virtualKeyCode(event, NativeKeys::Page), code);
    }
    setPageKeyReader(nullptr);
}

void tst_KeyLocks::thePlatformSaysWhichNativeCodesItsKeysCarry()
{
    QCOMPARE(nativeKeysOf(QStringLiteral("xcb")), NativeKeys::Xkb);
    QCOMPARE(nativeKeysOf(QStringLiteral("wayland")), NativeKeys::Xkb);
    QCOMPARE(nativeKeysOf(QStringLiteral("wayland-egl")), NativeKeys::Xkb);
    QCOMPARE(nativeKeysOf(QStringLiteral("windows")), NativeKeys::Windows);
    QCOMPARE(nativeKeysOf(QStringLiteral("offscreen")), NativeKeys::None);
    QCOMPARE(nativeKeysOf(QStringLiteral("wasm")), NativeKeys::Page);
}

void tst_KeyLocks::keyDownIsClassifiedPerGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<KeyDownChoice::Kind>("kind");
    QTest::addColumn<int>("index");

    for (int group = 1; group <= 3; ++group) {
        const QByteArray g = "group " + QByteArray::number(group) + ": ";
        QTest::newRow(g + "1") << group << 49 << KeyDownChoice::Focus << 0;
        QTest::newRow(g + "2") << group << 50 << KeyDownChoice::Focus << 1;
        QTest::newRow(g + "Enter") << group << 13 << KeyDownChoice::Confirm << -1;
        QTest::newRow(g + "keypad 1") << group << 97 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "keypad 3") << group << 99 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "A") << group << 65 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "left arrow") << group << 37 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "down arrow") << group << 40 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "Space") << group << 32 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "0") << group << 48 << KeyDownChoice::Discard << -1;
        QTest::newRow(g + "4") << group << 52 << KeyDownChoice::Discard << -1;
    }
    QTest::newRow("group 1: 3") << 1 << 51 << KeyDownChoice::Discard << -1;
    QTest::newRow("group 2: 3") << 2 << 51 << KeyDownChoice::Discard << -1;
    QTest::newRow("group 3: 3") << 3 << 51 << KeyDownChoice::Focus << 2;
}

void tst_KeyLocks::keyDownIsClassifiedPerGroup()
{
    QFETCH(int, group);
    QFETCH(int, keyCode);
    QFETCH(KeyDownChoice::Kind, kind);
    QFETCH(int, index);

    const KeyDownChoice choice = classifyKeyDown(group, keyCode);
    QCOMPARE(choice.kind, kind);
    QCOMPARE(choice.index, index);
}

void tst_KeyLocks::spaceMovesToTheNextOptionRound_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("next");

    QTest::newRow("direction 0 -> 1") << 1 << 0 << 1;
    QTest::newRow("direction 1 -> 0") << 1 << 1 << 0;
    QTest::newRow("level 1 -> 0") << 2 << 1 << 0;
    QTest::newRow("action 1 -> 2") << 3 << 1 << 2;
    QTest::newRow("action Esci -> Vai") << 3 << 2 << 0;
}

void tst_KeyLocks::spaceMovesToTheNextOptionRound()
{
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(int, next);
    QCOMPARE(nextOption(index, group), next);
}

void tst_KeyLocks::aHandledKeyLocksItsGroupAndTheNext_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<bool>>("keyDownLocks");

    QTest::newRow("direction locks direction and level") << 1 << QList<bool>{true, true, false};
    QTest::newRow("level locks level and action") << 2 << QList<bool>{false, true, true};
    QTest::newRow("action locks only action") << 3 << QList<bool>{false, false, true};
}

void tst_KeyLocks::aHandledKeyLocksItsGroupAndTheNext()
{
    QFETCH(int, group);
    QFETCH(QList<bool>, keyDownLocks);

    KeyLocks locks;
    locks.lockAfterKeyDown(group);
    QCOMPARE((QList<bool>{locks.bloccoKeyDown1, locks.bloccoKeyDown2, locks.bloccoKeyDown3}), keyDownLocks);
    // Key-press locks belong to Space alone.
    QCOMPARE((QList<bool>{locks.bloccoKeyPress1, locks.bloccoKeyPress2, locks.bloccoKeyPress3}),
             (QList<bool>{false, false, false}));
}

void tst_KeyLocks::releaseClearsOnlyItsOwnGroup()
{
    KeyLocks locks;
    for (int group = 1; group <= 3; ++group) {
        locks.keyDown(group) = true;
        locks.keyPress(group) = true;
    }
    locks.release(2);
    QVERIFY(locks.bloccoKeyDown1 && locks.bloccoKeyPress1);
    QVERIFY(!locks.bloccoKeyDown2 && !locks.bloccoKeyPress2);
    QVERIFY(locks.bloccoKeyDown3 && locks.bloccoKeyPress3);
}

QTEST_MAIN(tst_KeyLocks)
#include "tst_keylocks.moc"
