// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The three windows as built from their control tables: every control in creation order with
// its place and look, and the stacking, captions and keyboard order that are easy to get wrong.
#include "controls/CommandButton.h"
#include "controls/Control.h"
#include "controls/Form.h"
#include "exercise/FrmOperativo2Table.h"
#include "exercise/frmOperativo1Table.h"
#include "start/FrmInizioTable.h"

#include <QProcess>
#include <QtTest>

using namespace bexalo;

namespace {

const FormDesign &designFor(const QString &window)
{
    if (window == QLatin1String("FrmInizio"))
        return frmInizioDesign();
    if (window == QLatin1String("frmOperativo1"))
        return frmOperativo1Design();
    return frmOperativo2Design();
}

QString objectNameOf(const ControlDesign &design)
{
    const QString name = QString::fromUtf8(design.name);
    return design.index < 0 ? name : name + QLatin1Char('_') + QString::number(design.index);
}

// "Option3_2" -> Option3, 2; "Frame3" -> Frame3, -1.
Control *controlByObjectName(const Form &form, const QString &objectName)
{
    const qsizetype cut = objectName.lastIndexOf(QLatin1Char('_'));
    bool isIndex = false;
    const int index = cut > 0 ? objectName.mid(cut + 1).toInt(&isIndex) : -1;
    if (isIndex)
        return form.control(objectName.left(cut), index);
    return form.control(objectName, -1);
}

// Position of a widget among its siblings, bottom (0) to top.
qsizetype stackPosition(const QWidget *widget)
{
    return widget->parentWidget()->children().indexOf(const_cast<QWidget *>(widget));
}

// The buttons the keyboard focus visits: where the window puts it when it is activated, then
// one Tab press after another until the focus comes back round.
QStringList focusTourByTab(int stops)
{
    QStringList visited;
    QWidget *w = QApplication::focusWidget();
    for (int i = 0; i < stops + 1 && w; ++i) {
        visited.append(w->objectName());
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    }
    return visited;
}

} // namespace

class tst_FormLayouts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyControlOfTheTableIsBuiltInCreationOrder_data();
    void everyControlOfTheTableIsBuiltInCreationOrder();
    void overlappingControlsStackAsDesigned_data();
    void overlappingControlsStackAsDesigned();
    void esciStaysUsableWhenTheActionFrameIsDisabled();
    void designValuesThatDifferBetweenTheTwins_data();
    void designValuesThatDifferBetweenTheTwins();
    void captionsKeepTheirExactSpaces_data();
    void captionsKeepTheirExactSpaces();
    void focusStartsAtTheLowestTabIndexAndTabVisitsEveryButtonInOrder_data();
    void focusStartsAtTheLowestTabIndexAndTabVisitsEveryButtonInOrder();
    void aControlTheCodeGetsWrongStopsTheProgramNamingWindowAndControl_data();
    void aControlTheCodeGetsWrongStopsTheProgramNamingWindowAndControl();
};

// The child process of the lookup test: BEXALO_LOOKUP holds "class,name,index" of a control the
// code asks frmOperativo1 for. A wrong one must stop the program right here.
void tst_FormLayouts::initTestCase()
{
    const QString lookup = qEnvironmentVariable("BEXALO_LOOKUP");
    if (lookup.isEmpty())
        return;
    const QStringList parts = lookup.split(QLatin1Char(','));
    QCOMPARE(parts.size(), 3);
    Form form(frmOperativo1Design());
    const QByteArray name = parts[1].toUtf8();
    const int index = parts[2].toInt();
    if (parts[0] == QLatin1String("CommandButton"))
        form.get<CommandButton>(name.constData(), index);
    else
        form.get<Control>(name.constData(), index);
    QFAIL("the lookup went on");
}

void tst_FormLayouts::everyControlOfTheTableIsBuiltInCreationOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("FrmInizio") << QStringLiteral("FrmInizio");
    QTest::newRow("frmOperativo1") << QStringLiteral("frmOperativo1");
    QTest::newRow("FrmOperativo2") << QStringLiteral("FrmOperativo2");
}

void tst_FormLayouts::everyControlOfTheTableIsBuiltInCreationOrder()
{
    QFETCH(QString, window);
    const FormDesign &design = designFor(window);
    Form form(design);
    const std::vector<Control *> &built = form.controls();
    QCOMPARE(built.size(), design.controls.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        const ControlDesign &row = design.controls[i];
        const Control *c = built[i];
        const QByteArray where = objectNameOf(row).toUtf8();
        QCOMPARE(c->name(), QString::fromUtf8(row.name));
        QCOMPARE(c->index(), row.index);
        QVERIFY2(c->kind() == row.kind, where);
        QCOMPARE(c->containerName(), QString::fromUtf8(row.container));
        QCOMPARE(form.control(c->name(), c->index()), c);
        QVERIFY2(c->caption() == QString::fromUtf8(row.caption), where);
        if (row.kind == ControlKind::Timer || row.kind == ControlKind::Menu) {
            QVERIFY2(!c->widget(), where);
            continue;
        }
        QVERIFY2(c->widget(), where);
        QCOMPARE(c->widget()->objectName(), objectNameOf(row));
        const QWidget *expectedParent = row.container[0] ? form.control(QString::fromUtf8(row.container))->widget()
                                                         : static_cast<const QWidget *>(&form);
        QVERIFY2(c->widget()->parentWidget() == expectedParent, where);
        QVERIFY2(c->isShown() == row.visible, where);
        QVERIFY2(std::abs(c->left() - row.left) < 15, where + " left " + QByteArray::number(c->left()));
        QVERIFY2(std::abs(c->top() - row.top) < 15, where + " top " + QByteArray::number(c->top()));
        QVERIFY2(std::abs(c->width() - row.width) < 15, where + " width " + QByteArray::number(c->width()));
        QVERIFY2(std::abs(c->height() - row.height) < 15, where + " height " + QByteArray::number(c->height()));
    }
}

void tst_FormLayouts::overlappingControlsStackAsDesigned_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("help frame above verify (1)") << "frmOperativo1"
                                                 << "fraAiuto"
                                                 << "CmdVerifica";
    QTest::newRow("verify above next (1)") << "frmOperativo1"
                                           << "CmdVerifica"
                                           << "CmdOperazione";
    QTest::newRow("verify above next (2)") << "FrmOperativo2"
                                           << "CmdVerifica"
                                           << "CmdOperazione";
    QTest::newRow("next above help frame (2)") << "FrmOperativo2"
                                               << "CmdOperazione"
                                               << "frmAiuto";
    QTest::newRow("level line above title line (1)") << "frmOperativo1"
                                                     << "Label9"
                                                     << "Label1";
    QTest::newRow("level line above title line (2)") << "FrmOperativo2"
                                                     << "Label9"
                                                     << "Label1";
    QTest::newRow("bead above rod (1)") << "frmOperativo1"
                                        << "Picture21_1"
                                        << "Label3_2";
    QTest::newRow("bead above rod (2)") << "FrmOperativo2"
                                        << "Picture21_1"
                                        << "Label3_1";
    QTest::newRow("counter button above header band (2)") << "FrmOperativo2"
                                                          << "CmdContaHp"
                                                          << "Label2";
    QTest::newRow("Esci above Frame3") << "FrmInizio"
                                       << "Option3_2"
                                       << "Frame3";
    QTest::newRow("left curtain above title panel") << "FrmInizio"
                                                    << "Picture1"
                                                    << "frmTitolo";
    QTest::newRow("right curtain above Frame3") << "FrmInizio"
                                                << "Picture2"
                                                << "Frame3";
    QTest::newRow("title above its panel") << "FrmInizio"
                                           << "Label4"
                                           << "Shape2";
    QTest::newRow("inner rectangle above outer") << "FrmInizio"
                                                 << "Shape2"
                                                 << "Shape1";
    QTest::newRow("brand word above small panel") << "FrmInizio"
                                                  << "Label6_1"
                                                  << "Shape3";
}

void tst_FormLayouts::overlappingControlsStackAsDesigned()
{
    QFETCH(QString, window);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    Form form(designFor(window));
    const Control *up = controlByObjectName(form, upper);
    const Control *down = controlByObjectName(form, lower);
    QVERIFY(up && down);
    QCOMPARE(up->widget()->parentWidget(), down->widget()->parentWidget());
    QVERIFY2(stackPosition(up->widget()) > stackPosition(down->widget()),
             qPrintable(QStringLiteral("%1 at %2, %3 at %4")
                            .arg(upper)
                            .arg(stackPosition(up->widget()))
                            .arg(lower)
                            .arg(stackPosition(down->widget()))));
}

void tst_FormLayouts::esciStaysUsableWhenTheActionFrameIsDisabled()
{
    Form form(frmInizioDesign());
    const Control *frame3 = form.control(QStringLiteral("Frame3"));
    const Control *esci = form.control(QStringLiteral("Option3"), 2);
    const Control *vai = form.control(QStringLiteral("Option3"), 0);
    QVERIFY(frame3 && esci && vai);
    QCOMPARE(esci->containerName(), QString());
    QCOMPARE(esci->widget()->parentWidget(), &form);
    // In Frame3's own coordinates "Esci" is the third slot of the column (90, 2115).
    QCOMPARE(esci->left() - frame3->left(), vai->left());
    QCOMPARE(esci->top() - frame3->top(), 2115);

    frame3->widget()->setEnabled(false);
    QVERIFY(!vai->widget()->isEnabled());
    QVERIFY(esci->widget()->isEnabled());
    QVERIFY(esci->isShown());
}

void tst_FormLayouts::designValuesThatDifferBetweenTheTwins_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    // The hundreds rod is Label3(2) in one window and Label3(1) in the other.
    QTest::newRow("hundreds rod (1)") << "frmOperativo1"
                                      << "Label3_2" << QRect(360, 0, 75, 4905);
    QTest::newRow("tens rod (1)") << "frmOperativo1"
                                  << "Label3_1" << QRect(930, 0, 75, 4905);
    QTest::newRow("units rod (1)") << "frmOperativo1"
                                   << "Label3_0" << QRect(1455, 0, 75, 4905);
    QTest::newRow("hundreds rod (2)") << "FrmOperativo2"
                                      << "Label3_1" << QRect(360, 45, 75, 4905);
    QTest::newRow("tens rod (2)") << "FrmOperativo2"
                                  << "Label3_2" << QRect(930, 45, 75, 4905);
    QTest::newRow("units rod (2)") << "FrmOperativo2"
                                   << "Label3_0" << QRect(1485, 45, 75, 4905);
    QTest::newRow("top hundreds bead is shorter (1)") << "frmOperativo1"
                                                      << "Picture21_10" << QRect(150, 75, 495, 480);
    QTest::newRow("top hundreds bead is shorter (2)") << "FrmOperativo2"
                                                      << "Picture21_10" << QRect(180, 75, 495, 480);
    QTest::newRow("top tens bead (1)") << "frmOperativo1"
                                       << "Picture11_10" << QRect(735, 75, 495, 495);
    QTest::newRow("top units bead (2)") << "FrmOperativo2"
                                        << "Picture1_10" << QRect(1275, 75, 495, 495);
    QTest::newRow("abacus (1)") << "frmOperativo1"
                                << "Frame3" << QRect(8400, 480, 2040, 6360);
    QTest::newRow("abacus (2)") << "FrmOperativo2"
                                << "Frame3" << QRect(8505, 435, 2040, 6360);
    QTest::newRow("title band left of the edge (2)") << "FrmOperativo2"
                                                     << "Label1" << QRect(-30, 15, 12000, 465);
    QTest::newRow("units column (1)") << "frmOperativo1"
                                      << "Frame4" << QRect(90, 975, 675, 6000);
    QTest::newRow("units column (2)") << "FrmOperativo2"
                                      << "Frame4" << QRect(7710, 900, 675, 5775);
    QTest::newRow("hundred slot 2 (1)") << "frmOperativo1"
                                        << "ImageH_2" << QRect(3780, 75, 1785, 1890);
    QTest::newRow("ten slot (2)") << "FrmOperativo2"
                                  << "ImageDA_2" << QRect(60, 1050, 1785, 315);
    QTest::newRow("unit slot (1)") << "frmOperativo1"
                                   << "ImageU_8" << QRect(150, 2775, 330, 270);
    QTest::newRow("marker (1)") << "frmOperativo1"
                                << "lblH_6" << QRect(2970, 885, 105, 90);
    QTest::newRow("marker (2)") << "FrmOperativo2"
                                << "lblH_6" << QRect(2820, 0, 105, 90);
    QTest::newRow("Esci on the window") << "FrmInizio"
                                        << "Option3_2" << QRect(7815, 5700, 3195, 915);
}

void tst_FormLayouts::designValuesThatDifferBetweenTheTwins()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    Form form(designFor(window));
    const Control *c = controlByObjectName(form, control);
    QVERIFY(c);
    QVERIFY2(std::abs(c->left() - geometry.x()) < 15, qPrintable(QString::number(c->left())));
    QVERIFY2(std::abs(c->top() - geometry.y()) < 15, qPrintable(QString::number(c->top())));
    QVERIFY2(std::abs(c->width() - geometry.width()) < 15, qPrintable(QString::number(c->width())));
    QVERIFY2(std::abs(c->height() - geometry.height()) < 15, qPrintable(QString::number(c->height())));
}

void tst_FormLayouts::captionsKeepTheirExactSpaces_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("version") << "FrmInizio"
                             << "Label6_0"
                             << "Vers.   1.2.0";
    QTest::newRow("two places") << "FrmInizio"
                                << "Option2_0"
                                << "da    u";
    QTest::newRow("three places") << "FrmInizio"
                                  << "Option2_1"
                                  << "h   da   u";
    QTest::newRow("first direction") << "FrmInizio"
                                     << "Option1_0"
                                     << "Dal grafico all'abaco";
    QTest::newRow("title") << "FrmInizio"
                           << "Label4"
                           << "BEXALO";
    QTest::newRow("title line (1)") << "frmOperativo1"
                                    << "Label1"
                                    << "   Dalla rappresentazione grafica all'abaco";
    QTest::newRow("title line (2)") << "FrmOperativo2"
                                    << "Label1"
                                    << "   Dall'abaco alla rappresentazione grafica";
    QTest::newRow("level line (1)") << "frmOperativo1"
                                    << "Label9" << QStringLiteral("    Decine Unit\u00e0  : da u");
    QTest::newRow("level line (2)") << "FrmOperativo2"
                                    << "Label9"
                                    << "   Livello: h da  u  2";
    QTest::newRow("header band (1)") << "frmOperativo1"
                                     << "Label2"
                                     << "    h     da      u";
    QTest::newRow("header band (2)") << "FrmOperativo2"
                                     << "Label2"
                                     << "    h     da      u";
    QTest::newRow("verify (1)") << "frmOperativo1"
                                << "CmdVerifica"
                                << "V E R I F I CA";
    QTest::newRow("verify (2)") << "FrmOperativo2"
                                << "CmdVerifica"
                                << "VERIFICA";
    QTest::newRow("next") << "FrmOperativo2"
                          << "CmdOperazione"
                          << "A V A N T I";
    QTest::newRow("right answers heading") << "frmOperativo1"
                                           << "Label5_1"
                                           << " Risposte esatte";
    QTest::newRow("wrong answers heading") << "FrmOperativo2"
                                           << "Label5_2"
                                           << " Risposte errate";
    QTest::newRow("help offer") << "FrmOperativo2"
                                << "LblAiuto"
                                << "Ti aiuto ?";
    QTest::newRow("help frame") << "frmOperativo1"
                                << "fraAiuto"
                                << "AIUTO";
    QTest::newRow("result word starts empty") << "frmOperativo1"
                                              << "LblEsito"
                                              << "";
}

void tst_FormLayouts::captionsKeepTheirExactSpaces()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    Form form(designFor(window));
    const Control *c = controlByObjectName(form, control);
    QVERIFY(c);
    QCOMPARE(c->caption(), caption);
}

void tst_FormLayouts::focusStartsAtTheLowestTabIndexAndTabVisitsEveryButtonInOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("helpFrame");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("FrmInizio") << "FrmInizio" << QString()
                               << QStringList{"Option1_1", "Option1_0", "Option2_1", "Option2_0",
                                              "Option3_0", "Option3_1", "Option3_2"};
    QTest::newRow("frmOperativo1, help hidden")
        << "frmOperativo1" << QString() << QStringList{"CmdOperazione", "CmdVerifica", "CmdContaUp", "CmdContaHm",
                                                       "CmdContaDap",   "CmdContaDam", "CmdContaHp", "CmdContaUm"};
    QTest::newRow("frmOperativo1, help shown")
        << "frmOperativo1"
        << "fraAiuto" << QStringList{"CmdOperazione", "CmdVerifica", "CmdContaUp", "CmdContaHm", "CmdContaDap",
                                     "CmdContaDam",   "CmdContaHp",  "CmdContaUm", "Cmdsi",      "Cmdno"};
    QTest::newRow("FrmOperativo2, help hidden")
        << "FrmOperativo2" << QString() << QStringList{"CmdOperazione", "CmdVerifica", "CmdContaUm", "CmdContaHp",
                                                       "CmdContaDam",   "CmdContaDap", "CmdContaHm", "CmdContaUp"};
    QTest::newRow("FrmOperativo2, help shown")
        << "FrmOperativo2"
        << "frmAiuto" << QStringList{"CmdOperazione", "CmdVerifica", "Cmdno",       "Cmdsi",      "CmdContaUm",
                                     "CmdContaHp",    "CmdContaDam", "CmdContaDap", "CmdContaHm", "CmdContaUp"};
}

void tst_FormLayouts::focusStartsAtTheLowestTabIndexAndTabVisitsEveryButtonInOrder()
{
    QFETCH(QString, window);
    QFETCH(QString, helpFrame);
    QFETCH(QStringList, order);
    Form form(designFor(window));
    if (!helpFrame.isEmpty())
        form.control(helpFrame)->setShown(true);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QStringList tour = focusTourByTab(int(order.size()));
    QVERIFY2(tour == order + QStringList{order.first()}, qPrintable(tour.join(QLatin1Char(' '))));
}

void tst_FormLayouts::aControlTheCodeGetsWrongStopsTheProgramNamingWindowAndControl_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("message");
    QTest::newRow("misspelt name") << QStringLiteral("Control,CmdVerifca,-1")
                                   << QStringLiteral("frmOperativo1: no control named CmdVerifca");
    QTest::newRow("index past the array")
        << QStringLiteral("Control,ImageU,9") << QStringLiteral("frmOperativo1: no control named ImageU(9)");
    QTest::newRow("another class") << QStringLiteral("CommandButton,Frame3,-1")
                                   << QStringLiteral(
                                          "frmOperativo1: control Frame3 is not of the class the code expects");
}

void tst_FormLayouts::aControlTheCodeGetsWrongStopsTheProgramNamingWindowAndControl()
{
    QFETCH(QString, lookup);
    QFETCH(QString, message);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BEXALO_LOOKUP"), lookup);
    environment.insert(QStringLiteral("QTEST_DISABLE_STACK_TRACE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QTEST_DISABLE_CORE_DUMP"), QStringLiteral("1"));
    // A Windows program without a console sends its messages to the debugger unless told.
    environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    // initTestCase runs before the one short test named here and does the lookup, on the
    // platform this test runs on (which Qt on Windows takes from the command line only).
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("-platform"), QGuiApplication::platformName(),
                 QStringLiteral("everyControlOfTheTableIsBuiltInCreationOrder:FrmInizio")});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0, qPrintable(output));
    QVERIFY2(output.contains(message), qPrintable(output));
    QVERIFY2(!output.contains(QLatin1String("the lookup went on")), qPrintable(output));
}

QTEST_MAIN(tst_FormLayouts)
#include "tst_formlayouts.moc"
