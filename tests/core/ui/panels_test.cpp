// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_store.h"
#include "core/ui/info_panel.h"
#include "core/ui/numeric_field.h"
#include "core/ui/print_panel.h"
#include "core/ui/setup_panel.h"
#include "core/ui/text_field.h"
#include "core/ui/twips.h"
#include "tests/core/ui/test_window.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using grovan::InfoPanel;
using grovan::NumericField;
using grovan::PrintPanel;
using grovan::PrintPanelOptions;
using grovan::SettingsDatabase;
using grovan::SetupFields;
using grovan::SetupPanel;
using grovan::SetupValues;
using grovan::testing::RecordingSink;
using grovan::testing::TempFolder;
using grovan::testing::TestWindow;

namespace {

// A calculator window's row of main buttons, which the set-up panel disables while it is open.
struct MainButtons
{
    explicit MainButtons(TestWindow& window)
        : ok(window.add(new QPushButton(QStringLiteral("&OK")))),
          calculate(window.add(new QPushButton(QStringLiteral("&Calculate")))),
          settings(window.add(new QPushButton(QStringLiteral("&Settings")))),
          print(window.add(new QPushButton(QStringLiteral("&Print"))))
    {}
    QList<QWidget*> all() const { return {ok, calculate, settings, print}; }
    QPushButton* ok;
    QPushButton* calculate;
    QPushButton* settings;
    QPushButton* print;
};

struct PrintRequest
{
    QString button;
    grovan::PrintLanguage language;
    QString name;
    bool busy;
    bool operator==(const PrintRequest&) const = default;
};

} // namespace

class PanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void printPanelHandsOverLanguageAndName_data();
    void printPanelHandsOverLanguageAndName();
    void printPanelCancelOnlyHides();
    void printPanelWithoutLanguageOrName();
    void infoPanelStandsInFrontAtItsTop();
    void setupPanelSelectsAnOptionOnlyForExactRates_data();
    void setupPanelSelectsAnOptionOnlyForExactRates();
    void setupPanelShowsAndTakesEveryChangeAtOnce();
    void setupPanelSavesOnlyThePeriodicFields();
    void setupPanelSavesOnlyChangesOverValuesNeverLoaded();
    void setupPanelReadsTheLimitAfreshFromItsText();
    void setupPanelDisablesTheMainButtonsWhileOpen();
    void setupPanelFailedSaveIsToldAndKeepsTheValues();
    void setupPanelForThePackageCalculatorsSavesAllFields();
    void setupPanelTellsARateOutOfRangeAndReturnsTheFocus_data();
    void setupPanelTellsARateOutOfRangeAndReturnsTheFocus();
};

void PanelsTest::printPanelHandsOverLanguageAndName_data()
{
    QTest::addColumn<bool>("afrikaans");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("keepOpen");

    QTest::newRow("English to the printer") << false << "T. Nkosi"
                                            << "cmdPD" << false;
    QTest::newRow("Afrikaans to the preview") << true << "J. du Plessis"
                                              << "cmdVR" << false;
    QTest::newRow("no name") << false << ""
                             << "cmdVR" << false;
    // The loans window prints nothing while one of its four values is 0: the panel stays.
    QTest::newRow("window keeps it open") << false << ""
                                          << "cmdPD" << true;
}

void PanelsTest::printPanelHandsOverLanguageAndName()
{
    QFETCH(bool, afrikaans);
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(bool, keepOpen);
    TestWindow window;
    auto* panel = new PrintPanel(&window);
    QList<PrintRequest> requests;
    const auto record = [&](const QString& which) {
        return [&, which](grovan::PrintLanguage language, const QString& employeeName) {
            const QCursor* cursor = QApplication::overrideCursor();
            requests.append({which, language, employeeName,
                             cursor != nullptr && cursor->shape() == Qt::WaitCursor});
            if (keepOpen) {
                panel->keepOpen();
            }
        };
    };
    connect(panel, &PrintPanel::printDirectly, this, record(QStringLiteral("cmdPD")));
    connect(panel, &PrintPanel::viewReport, this, record(QStringLiteral("cmdVR")));
    QVERIFY(window.showActive());

    panel->showAt(1650);
    QVERIFY(panel->isVisible());
    QVERIFY(panel->englishOption()->isChecked());
    if (afrikaans) {
        QTest::mouseClick(panel->afrikaansOption(), Qt::LeftButton);
    }
    QTest::keyClicks(panel->nameField(), name);
    QTest::mouseClick(panel->findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(requests, (QList<PrintRequest>{{button,
                                             afrikaans ? grovan::PrintLanguage::Afrikaans
                                                       : grovan::PrintLanguage::English,
                                             name, true}}));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(panel->isVisible(), keepOpen);

    // The choice and the name stay for the next printout while the window is open.
    panel->showAt(1650);
    QCOMPARE(panel->language(),
             afrikaans ? grovan::PrintLanguage::Afrikaans : grovan::PrintLanguage::English);
    QCOMPARE(panel->employeeName(), name);
}

void PanelsTest::printPanelCancelOnlyHides()
{
    TestWindow window;
    auto* panel = new PrintPanel(&window);
    QSignalSpy direct(panel, &PrintPanel::printDirectly);
    QSignalSpy view(panel, &PrintPanel::viewReport);
    QSignalSpy cancelled(panel, &PrintPanel::cancelled);
    QVERIFY(window.showActive());

    panel->showAt(1470);
    QTest::mouseClick(panel->cancelButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());

    panel->showAt(1470);
    QTest::keyClick(panel->nameField(), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());

    QCOMPARE(cancelled.count(), 2);
    QCOMPARE(direct.count() + view.count(), 0);
}

void PanelsTest::printPanelWithoutLanguageOrName()
{
    TestWindow window;
    auto* panel = new PrintPanel(&window, PrintPanelOptions::finance());
    QSignalSpy view(panel, &PrintPanel::viewReport);
    QVERIFY(window.showActive());

    QCOMPARE(panel->findChild<QRadioButton*>(QStringLiteral("Option1")), nullptr);
    QCOMPARE(panel->findChild<QWidget*>(QStringLiteral("Text1")), nullptr);
    QCOMPARE(panel->cancelButton()->objectName(), QStringLiteral("cmdPrintCancel"));
    QCOMPARE(panel->cancelButton()->text(), QStringLiteral("C&ancel"));

    panel->showAt(1200);
    QTest::mouseClick(panel->viewReportButton(), Qt::LeftButton);
    QCOMPARE(view.count(), 1);
    QCOMPARE(view.at(0).at(0).value<grovan::PrintLanguage>(), grovan::PrintLanguage::English);
    QCOMPARE(view.at(0).at(1).toString(), QString());
}

void PanelsTest::infoPanelStandsInFrontAtItsTop()
{
    TestWindow window;
    for (int i = 0; i < 8; ++i) {
        window.add(new QPushButton(QStringLiteral("behind")));
    }
    auto* panel = new InfoPanel(QStringLiteral("The amount entered in the Salary/remuneration "
                                               "field should contain the fringe benefit amounts."),
                                &window);
    QVERIFY(window.showActive());
    QVERIFY(!panel->isVisible());

    panel->showAt(600);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->y(), grovan::twipsToPixels(600, panel));
    // In front: what lies under the panel's middle belongs to the panel.
    QWidget* front = window.childAt(panel->geometry().center());
    QVERIFY(front == panel || panel->isAncestorOf(front));
    QCOMPARE(panel->title(), QStringLiteral("General Information"));
    QCOMPARE(panel->objectName(), QStringLiteral("fraInfo_One"));

    QTest::mouseClick(panel->okButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

void PanelsTest::setupPanelSelectsAnOptionOnlyForExactRates_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<bool>("eighty");
    QTest::addColumn<bool>("twenty");

    QTest::newRow("0.8 selects 80%") << 0.8 << true << false;
    QTest::newRow("0.2 selects 20%") << 0.2 << false << true;
    // Any other stored rate selects neither and stays in use until the user picks one.
    QTest::newRow("0.5 selects neither") << 0.5 << false << false;
    QTest::newRow("nearly 0.8 selects neither") << 0.80000001 << false << false;
}

void PanelsTest::setupPanelSelectsAnOptionOnlyForExactRates()
{
    QFETCH(double, stored);
    QFETCH(bool, eighty);
    QFETCH(bool, twenty);
    TempFolder folder;
    RecordingSink sink;
    TestWindow window;
    SetupValues values;
    values.TAIncRate8020 = 0.8;
    SettingsDatabase store(folder / "Settings.mdb", sink);
    auto* panel = new SetupPanel(values, store, &window);
    // Shown again over an earlier choice, as after the window loads its values anew.
    values.TAIncRate8020 = stored;
    panel->showValues();
    QVERIFY(window.showActive());

    panel->showAt(1935);
    QCOMPARE(panel->option(QStringLiteral("optTAIncRate80"))->isChecked(), eighty);
    QCOMPARE(panel->option(QStringLiteral("optTAIncRate20"))->isChecked(), twenty);

    QTest::mouseClick(panel->okButton(), Qt::LeftButton);
    QCOMPARE(store.load().TAIncRate8020, stored);
    QCOMPARE(values.TAIncRate8020, stored);

    // Picking an option sets the rate at once, before O&K.
    panel->showAt(1935);
    QTest::mouseClick(panel->option(QStringLiteral("optTAIncRate20")), Qt::LeftButton);
    QCOMPARE(values.TAIncRate8020, 0.2);
    QTest::mouseClick(panel->option(QStringLiteral("optTAIncRate80")), Qt::LeftButton);
    QCOMPARE(values.TAIncRate8020, 0.8);
    QVERIFY(sink.messages.empty());
}

void PanelsTest::setupPanelShowsAndTakesEveryChangeAtOnce()
{
    TempFolder folder;
    RecordingSink sink;
    TestWindow window;
    SetupValues values;
    values.EmployeeUIF = 1.0;
    values.UIFLimit = 17712.0;
    auto* panel = new SetupPanel(values, SettingsDatabase(folder / "Settings.mdb", sink), &window);
    QVERIFY(window.showActive());
    panel->showAt(1470);

    QCOMPARE(panel->field(QStringLiteral("numEmpEUIF"))->text(), QStringLiteral("1.000"));
    QCOMPARE(panel->field(QStringLiteral("numUIFLimit"))->text(), QStringLiteral("17 712"));
    QCOMPARE(panel->field(QStringLiteral("numEmpEUIF"))->sign(), grovan::FieldSign::Percent);
    QCOMPARE(panel->field(QStringLiteral("numUIFLimit"))->sign(), grovan::FieldSign::Rand);

    const struct
    {
        const char* field;
        const char* keys;
        double SetupValues::*value;
        double expected;
    } edits[] = {
        {"numEmpEUIF", "1.5", &SetupValues::EmployeeUIF, 1.5},
        {"numEmpRUIF", "2.25", &SetupValues::EmployerUIF, 2.25},
        {"numSkillPercent", "0.125", &SetupValues::SkillLevy, 0.125},
        {"numUIFLimit", "20000", &SetupValues::UIFLimit, 20000.0},
        // Emptying a field and leaving it gives 0.
        {"numEmpEUIF", "", &SetupValues::EmployeeUIF, 0.0},
    };
    for (const auto& edit : edits) {
        TestWindow::typeInto(panel->field(QString::fromLatin1(edit.field)),
                             QString::fromLatin1(edit.keys));
        QCOMPARE(values.*edit.value, edit.expected);
    }
    panel->okButton()->setFocus();
    QCOMPARE(panel->field(QStringLiteral("numEmpEUIF"))->text(), QStringLiteral("0.000"));
}

void PanelsTest::setupPanelSavesOnlyThePeriodicFields()
{
    TempFolder folder;
    RecordingSink sink;
    SettingsDatabase store(folder / "Settings.mdb", sink);
    SetupValues stored;
    stored.PensionCont = 7.5;
    stored.EmployerPenCont = 10.0;
    stored.ProvCont = 2.5;
    stored.EmployerProvCont = 3.5;
    stored.CompCarFBRate8020 = 0.2;
    stored.CompCarMPYesNo = true;
    QVERIFY(store.save(stored, SetupFields::Package));

    TestWindow window;
    SetupValues values = store.load();
    // What the window's own copy might hold by now; none of it belongs to this panel's fields.
    values.PensionCont = 0.0;
    values.CompCarMPYesNo = false;
    auto* panel = new SetupPanel(values, store, &window);
    QSignalSpy confirmed(panel, &SetupPanel::confirmed);
    QVERIFY(window.showActive());
    panel->showAt(1710);
    TestWindow::typeInto(panel->field(QStringLiteral("numEmpEUIF")), QStringLiteral("1.1"));
    TestWindow::typeInto(panel->field(QStringLiteral("numEmpRUIF")), QStringLiteral("1.2"));
    TestWindow::typeInto(panel->field(QStringLiteral("numUIFLimit")), QStringLiteral("18000"));
    TestWindow::typeInto(panel->field(QStringLiteral("numSkillPercent")), QStringLiteral("1.3"));
    QTest::mouseClick(panel->option(QStringLiteral("optTAIncRate20")), Qt::LeftButton);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    SetupValues expected = stored;
    expected.EmployeeUIF = 1.1;
    expected.EmployerUIF = 1.2;
    expected.UIFLimit = 18000.0;
    expected.SkillLevy = 1.3;
    expected.TAIncRate8020 = 0.2;
    QCOMPARE(store.load(), expected);
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.at(0).at(0).toBool(), true);
    QVERIFY(!panel->isVisible());
    QVERIFY(sink.messages.empty());
}

// The window could not read the stored values (another program held the file) and shows the
// standard values: confirming the panel must not save those over the user's stored values.
void PanelsTest::setupPanelSavesOnlyChangesOverValuesNeverLoaded()
{
    TempFolder folder;
    RecordingSink sink;
    SettingsDatabase store(folder / "Settings.mdb", sink);
    SetupValues stored;
    stored.EmployeeUIF = 1.5;
    stored.UIFLimit = 15000.0;
    stored.TAIncRate8020 = 0.2;
    QVERIFY(store.save(stored, SetupFields::Periodic));

    TestWindow window;
    SetupValues values; // the standard values, in place of the stored ones
    auto* panel = new SetupPanel(values, store, &window, SetupFields::Periodic,
                                 grovan::SetupSource::Standard);
    QVERIFY(window.showActive());
    panel->showAt(1470);
    TestWindow::typeInto(panel->field(QStringLiteral("numSkillPercent")), QStringLiteral("2"));
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    SetupValues expected = stored;
    expected.SkillLevy = 2.0;
    QCOMPARE(store.load(), expected);
    QVERIFY(sink.messages.empty());
}

void PanelsTest::setupPanelReadsTheLimitAfreshFromItsText()
{
    TempFolder folder;
    RecordingSink sink;
    SettingsDatabase store(folder / "Settings.mdb", sink);
    TestWindow window;
    SetupValues values;
    values.UIFLimit = 17712.0;
    auto* panel = new SetupPanel(values, store, &window);
    QVERIFY(window.showActive());
    panel->showAt(1185);

    // Text that reached the field without a value change still counts at O&K.
    panel->field(QStringLiteral("numUIFLimit"))->setText(QStringLiteral("20 000"));
    QCOMPARE(values.UIFLimit, 17712.0);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    QCOMPARE(values.UIFLimit, 20000.0);
    QCOMPARE(store.load().UIFLimit, 20000.0);
}

void PanelsTest::setupPanelDisablesTheMainButtonsWhileOpen()
{
    TempFolder folder;
    RecordingSink sink;
    TestWindow window;
    MainButtons buttons(window);
    // A button the window had disabled for its own reasons stays disabled afterwards.
    buttons.print->setEnabled(false);
    SetupValues values;
    auto* panel = new SetupPanel(values, SettingsDatabase(folder / "Settings.mdb", sink), &window);
    panel->disableWhileOpen(buttons.all());
    QVERIFY(window.showActive());
    buttons.settings->setFocus();

    panel->showAt(1935);
    for (QWidget* button : buttons.all()) {
        QVERIFY(!button->isEnabled());
    }
    QVERIFY(panel->isAncestorOf(window.focusWidget()));

    QTest::mouseClick(panel->okButton(), Qt::LeftButton);
    QVERIFY(buttons.ok->isEnabled());
    QVERIFY(buttons.calculate->isEnabled());
    QVERIFY(buttons.settings->isEnabled());
    QVERIFY(!buttons.print->isEnabled());
    QCOMPARE(window.focusWidget(), buttons.settings);
}

void PanelsTest::setupPanelFailedSaveIsToldAndKeepsTheValues()
{
    TempFolder folder;
    RecordingSink sink;
    TestWindow window;
    SetupValues values;
    // The settings file cannot be made: where its folder should be stands a file.
    TempFolder::writeFile(folder / "blocked", "not a folder");
    auto* panel = new SetupPanel(
        values, SettingsDatabase(folder / "blocked" / "Settings.mdb", sink), &window);
    QSignalSpy confirmed(panel, &SetupPanel::confirmed);
    QVERIFY(window.showActive());
    panel->showAt(1935);
    TestWindow::typeInto(panel->field(QStringLiteral("numEmpEUIF")), QStringLiteral("2"));

    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.at(0).at(0).toBool(), false);
    QVERIFY(!sink.messages.empty());
    QCOMPARE(sink.messages.back().icon, grovan::MessageIcon::Error);
    QCOMPARE(values.EmployeeUIF, 2.0);
}

void PanelsTest::setupPanelForThePackageCalculatorsSavesAllFields()
{
    TempFolder folder;
    RecordingSink sink;
    SettingsDatabase store(folder / "Settings.mdb", sink);
    TestWindow window;
    SetupValues values;
    values.CompCarFBRate8020 = 0.5;
    auto* panel = new SetupPanel(values, store, &window, SetupFields::Package);
    QVERIFY(window.showActive());
    panel->showAt(960);
    QVERIFY(!panel->option(QStringLiteral("optCompCarFBRate80"))->isChecked());
    QVERIFY(!panel->option(QStringLiteral("optCompCarFBRate20"))->isChecked());
    QVERIFY(panel->option(QStringLiteral("optCompCarMPNo"))->isChecked());

    TestWindow::typeInto(panel->field(QStringLiteral("numPenContPerc")), QStringLiteral("7.5"));
    TestWindow::typeInto(panel->field(QStringLiteral("numPenPercentage")), QStringLiteral("10"));
    QTest::mouseClick(panel->option(QStringLiteral("optCompCarFBRate20")), Qt::LeftButton);
    QTest::mouseClick(panel->option(QStringLiteral("optCompCarMPYes")), Qt::LeftButton);
    QTest::mouseClick(panel->okButton(), Qt::LeftButton);

    const SetupValues saved = store.load();
    QCOMPARE(saved.PensionCont, 7.5);
    QCOMPARE(saved.EmployerPenCont, 10.0);
    QCOMPARE(saved.CompCarFBRate8020, 0.2);
    QCOMPARE(saved.CompCarMPYesNo, true);
}

void PanelsTest::setupPanelTellsARateOutOfRangeAndReturnsTheFocus_data()
{
    QTest::addColumn<bool>("package");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");
    QTest::newRow("Employee UIF portion 150")
        << false << "numEmpEUIF"
        << "150"
        << "The Employee UIF portion must be between 0% and 100%.";
    QTest::newRow("Skills levy 100.5") << false << "numSkillPercent"
                                       << "100.5"
                                       << "The Skills levy must be between 0% and 100%.";
    QTest::newRow("package: Employer R/Fund contributions 101")
        << true << "numPenPercentage"
        << "101"
        << "The Employer R/Fund contributions must be between 0% and 100%.";
}

void PanelsTest::setupPanelTellsARateOutOfRangeAndReturnsTheFocus()
{
    QFETCH(bool, package);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    TempFolder folder;
    RecordingSink sink;
    TestWindow window;
    SetupValues values;
    values.EmployeeUIF = 1.0;
    values.SkillLevy = 1.0;
    values.EmployerPenCont = 7.5;
    auto* panel = new SetupPanel(values, SettingsDatabase(folder / "Settings.mdb", sink), &window,
                                 package ? SetupFields::Package : SetupFields::Periodic);
    QVERIFY(window.showActive());
    panel->showAt(960);
    NumericField* numeric = panel->field(field);
    const QString before = numeric->text();
    const double earlier = numeric->value();

    TestWindow::typeInto(numeric, typed);
    window.leave();

    QTRY_COMPARE(sink.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(sink.messages[0].text), told);
    QCOMPARE(sink.messages[0].title, std::string("Incorrect Value!"));
    QCOMPARE(sink.messages[0].icon, grovan::MessageIcon::Error);
    QCOMPARE(window.focusWidget(), numeric);
    QCOMPARE(numeric->text(), before);
    QCOMPARE(numeric->value(), earlier);
    QCOMPARE(values.EmployeeUIF, 1.0);
    QCOMPARE(values.SkillLevy, 1.0);
    QCOMPARE(values.EmployerPenCont, 7.5);
}

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
