// The start window's key rules without any widget: which keys a group acts on, where Space
// goes, and which locks a handled key sets and a release clears.
#include "start/KeyLocks.h"

#include <QtTest>

using namespace bexalo;

Q_DECLARE_METATYPE(KeyDownChoice::Kind)

class tst_KeyLocks : public QObject
{
    Q_OBJECT

private slots:
    void keyDownIsClassifiedPerGroup_data();
    void keyDownIsClassifiedPerGroup();
    void spaceMovesToTheNextOptionRound_data();
    void spaceMovesToTheNextOptionRound();
    void aHandledKeyLocksItsGroupAndTheNext_data();
    void aHandledKeyLocksItsGroupAndTheNext();
    void releaseClearsOnlyItsOwnGroup();
};

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

QTEST_APPLESS_MAIN(tst_KeyLocks)
#include "tst_keylocks.moc"
