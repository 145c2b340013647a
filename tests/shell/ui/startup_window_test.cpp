// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/frm_disclaimer_yes_no.h"
#include "shell/ui/mdi_form1.h"
#include "tests/shell/ui/shell_fixture.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace grovan {

using testing::ShellFixture;

namespace {

// Where the About window and the disclaimer stand: across the main window's middle, their top a
// quarter of the height difference down.
QPoint placedOver(const QWidget& window, const QWidget& main)
{
    const QRect outer = main.frameGeometry();
    const QSize size = window.frameGeometry().size();
    return {outer.x() + (outer.width() - size.width()) / 2,
            outer.y() + (outer.height() - size.height()) / 4};
}

QPushButton* button(QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(name);
}

// Stores what a user who accepted this version's disclaimer and asked not to see the About window
// again leaves behind: the next start goes straight to the main window.
bool startsStraightToTheMainWindow(ShellFixture& shell)
{
    return shell.startup.saveAcceptedVersion(205) && shell.startup.saveViewAbout(false);
}

} // namespace

class StartupWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void disclaimerIsShownForANewerVersionOnly_data();
    void disclaimerIsShownForANewerVersionOnly();
    void decliningEndsTheProgramAndKeepsVAR1();
    void disclaimerOkIsEnabledOnlyWhileTicked();
    void aboutComesFirstAndStandsWhereTheRuleSays();
    void aboutStoresViewAboutWhenItCloses_data();
    void aboutStoresViewAboutWhenItCloses();
    void captionAndBackgroundPicture();
    void pictureIsKeptAtTheAreaSizeAnchoredBottomRight();
    void pictureOfTheAreasProportionsShowsWhole();
    void missingPictureLeavesThePlainBackground();
};

void StartupWindowTest::disclaimerIsShownForANewerVersionOnly_data()
{
    QTest::addColumn<int>("storedVAR1");
    QTest::addColumn<bool>("shown");
    // The fixture's version is 2.0.5, counted as 205.
    QTest::newRow("VAR1 204") << 204 << true;
    QTest::newRow("VAR1 205") << 205 << false;
    QTest::newRow("VAR1 1000") << 1000 << false;
    QTest::newRow("nothing accepted yet") << 0 << true;
}

void StartupWindowTest::disclaimerIsShownForANewerVersionOnly()
{
    QFETCH(int, storedVAR1);
    QFETCH(bool, shown);
    ShellFixture shell;
    QVERIFY(shell.startup.saveAcceptedVersion(storedVAR1));
    QVERIFY(shell.startup.saveViewAbout(false));
    MDIForm1 window(shell.context, shell.calculators);
    int disclaimers = 0;
    window.setDialogRunner([&](QDialog& dialog) {
        if (dialog.objectName() == "frmDisclaimerYesNo") {
            ++disclaimers;
        }
        dialog.findChild<QCheckBox*>("chkDisclaimerYesNo")->setChecked(true);
        QTest::mouseClick(button(dialog, "cmdOk"), Qt::LeftButton);
        return dialog.result();
    });

    QVERIFY(window.startUp());

    QCOMPARE(disclaimers, shown ? 1 : 0);
    QVERIFY(window.isVisible());
    QCOMPARE(shell.startup.load().VAR1, shown ? 205 : storedVAR1);
    QVERIFY(window.aboutWindow() == nullptr);
    QVERIFY(shell.sink.messages.empty());
}

void StartupWindowTest::decliningEndsTheProgramAndKeepsVAR1()
{
    ShellFixture shell;
    QVERIFY(shell.startup.saveAcceptedVersion(204));
    MDIForm1 window(shell.context, shell.calculators);
    window.setDialogRunner([&](QDialog& dialog) {
        QTest::mouseClick(button(dialog, "cmdCancel"), Qt::LeftButton);
        return dialog.result();
    });

    QVERIFY(!window.startUp());

    QVERIFY(!window.isVisible());
    QCOMPARE(shell.startup.load().VAR1, 204);
    QVERIFY(shell.sink.messages.empty());
}

void StartupWindowTest::disclaimerOkIsEnabledOnlyWhileTicked()
{
    ShellFixture shell;
    QVERIFY(shell.startup.saveViewAbout(false));
    MDIForm1 window(shell.context, shell.calculators);
    window.setGeometry(20, 30, 760, 540);
    // What the OK button looked like after each step, and whether the window stayed open.
    QList<bool> okEnabled;
    bool openAfterDisabledClick = false;
    QPoint position;
    QPoint expectedPosition;
    window.setDialogRunner([&](QDialog& dialog) {
        dialog.show();
        QPushButton* ok = button(dialog, "cmdOk");
        auto* agree = dialog.findChild<QCheckBox*>("chkDisclaimerYesNo");
        position = dialog.pos();
        expectedPosition = placedOver(dialog, window);
        okEnabled << ok->isEnabled();
        QTest::mouseClick(agree, Qt::LeftButton);
        okEnabled << ok->isEnabled();
        QTest::mouseClick(agree, Qt::LeftButton);
        okEnabled << ok->isEnabled();
        QTest::mouseClick(ok, Qt::LeftButton);
        openAfterDisabledClick = dialog.isVisible();
        QTest::mouseClick(agree, Qt::LeftButton);
        QTest::mouseClick(ok, Qt::LeftButton);
        return dialog.result();
    });

    QVERIFY(window.startUp());

    QCOMPARE(okEnabled, (QList<bool>{false, true, false}));
    QVERIFY(openAfterDisabledClick);
    QCOMPARE(position, expectedPosition);
    QCOMPARE(shell.startup.load().VAR1, 205);
}

void StartupWindowTest::aboutComesFirstAndStandsWhereTheRuleSays()
{
    ShellFixture shell;
    QVERIFY(shell.startup.saveAcceptedVersion(204));
    MDIForm1 window(shell.context, shell.calculators);
    window.setGeometry(20, 30, 760, 540);
    bool aboutOpenDuringDisclaimer = false;
    window.setDialogRunner([&](QDialog& dialog) {
        aboutOpenDuringDisclaimer =
            window.aboutWindow() != nullptr && window.aboutWindow()->isVisible();
        // Shown and active in front, as the modal disclaimer is.
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog)) {
            return int(QDialog::Rejected);
        }
        dialog.findChild<QCheckBox*>("chkDisclaimerYesNo")->setChecked(true);
        QTest::mouseClick(button(dialog, "cmdOk"), Qt::LeftButton);
        return dialog.result();
    });

    QVERIFY(window.startUp());

    QVERIFY(aboutOpenDuringDisclaimer);
    frmAbout* about = window.aboutWindow();
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    // Once the disclaimer has gone, the About window has the keyboard: Enter chooses its OK.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(about));
    QCOMPARE(about->focusWidget(), static_cast<QWidget*>(button(*about, "Command1")));
    QCOMPARE(about->pos(), placedOver(*about, window));
    QVERIFY(!about->findChild<QCheckBox*>("Check1")->isChecked());
    QCOMPARE(about->findChild<QLabel*>("Label1(3)")->text(), QString("Version: 2.00.005"));
}

void StartupWindowTest::aboutStoresViewAboutWhenItCloses_data()
{
    QTest::addColumn<bool>("viewAboutBefore");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<bool>("viewAboutAfter");
    QTest::newRow("ticked, OK") << true << true << true << false;
    QTest::newRow("ticked, close box") << true << true << false << false;
    QTest::newRow("left alone, OK") << true << false << true << true;
    QTest::newRow("cleared again, OK") << false << false << true << true;
}

void StartupWindowTest::aboutStoresViewAboutWhenItCloses()
{
    QFETCH(bool, viewAboutBefore);
    QFETCH(bool, tick);
    QFETCH(bool, byOk);
    QFETCH(bool, viewAboutAfter);
    ShellFixture shell;
    QVERIFY(shell.startup.saveAcceptedVersion(205));
    QVERIFY(shell.startup.saveViewAbout(viewAboutBefore));
    {
        MDIForm1 window(shell.context, shell.calculators);
        QVERIFY(window.startUp());
        if (window.aboutWindow() == nullptr) {
            window.findChild<QAction*>("mnuAbout")->trigger();
        }
        frmAbout* about = window.aboutWindow();
        QVERIFY(about != nullptr);
        auto* check1 = about->findChild<QCheckBox*>("Check1");
        QCOMPARE(check1->isChecked(), !viewAboutBefore);
        check1->setChecked(tick);
        if (byOk) {
            QTest::mouseClick(button(*about, "Command1"), Qt::LeftButton);
        } else {
            about->close();
        }
        QCOMPARE(shell.startup.load().ViewAbout, viewAboutAfter);
    }
    // The next start follows the stored choice.
    MDIForm1 next(shell.context, shell.calculators);
    QVERIFY(next.startUp());
    QCOMPARE(next.aboutWindow() != nullptr, viewAboutAfter);
}

void StartupWindowTest::captionAndBackgroundPicture()
{
    ShellFixture shell;
    QVERIFY(startsStraightToTheMainWindow(shell));
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    QVERIFY(picture.save(QString::fromStdString(shell.paths.asset("Grovan.jpg").string())));
    MDIForm1 window(shell.context, shell.calculators);
    QCOMPARE(window.windowTitle(), QString("Grovan 2022"));

    QVERIFY(window.startUp());

    QCOMPARE(window.windowTitle(), QString("Grovan 2022 Ver: 2.00.005"));
    QWidget* viewport = window.mdiArea()->viewport();
    const QImage shown = viewport->grab().toImage();
    const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    // JPEG shifts the colour a little.
    QVERIFY2(qAbs(middle.red() - 200) < 12 && middle.green() < 60 && middle.blue() < 60,
             qPrintable(middle.name()));
}

void StartupWindowTest::pictureIsKeptAtTheAreaSizeAnchoredBottomRight()
{
    ShellFixture shell;
    QVERIFY(startsStraightToTheMainWindow(shell));
    // Far wider than any window: scaled to the area's height, only its right-hand part shows.
    // The right-hand twentieth is green, the rest red.
    QImage picture(1000, 100, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 950; x < picture.width(); ++x) {
            picture.setPixelColor(x, y, QColor(40, 200, 40));
        }
    }
    QVERIFY(picture.save(QString::fromStdString(shell.paths.asset("Grovan.jpg").string())));
    MDIForm1 window(shell.context, shell.calculators);
    QVERIFY(window.startUp());

    for (const QSize size : {QSize(700, 500), QSize(900, 400)}) {
        window.resize(size);
        QWidget* viewport = window.mdiArea()->viewport();
        const QImage shown = viewport->grab().toImage();
        // Only the part in view is kept, at the area's size.
        QCOMPARE(window.mdiArea()->shownPicture().size(),
                 viewport->size() * viewport->devicePixelRatio());
        const auto isGreen = [&](int x) {
            const QColor colour = shown.pixelColor(x, shown.height() / 2);
            return colour.green() > 150 && colour.red() < 100;
        };
        // The green twentieth is half as wide as the area is high, at the right-hand edge.
        const int greenWidth = viewport->height() / 2;
        QVERIFY(isGreen(shown.width() - 2));
        QVERIFY(isGreen(shown.width() - greenWidth + 8));
        QVERIFY(!isGreen(shown.width() - greenWidth - 8));
        QVERIFY(!isGreen(1));
    }
}

void StartupWindowTest::pictureOfTheAreasProportionsShowsWhole()
{
    // A picture of about the area's own proportions is shown from its decoded pixels as they
    // stand: all of it in view but the pixel or two the cover leaves over at its top and left.
    ShellFixture shell;
    QVERIFY(startsStraightToTheMainWindow(shell));
    MDIForm1 window(shell.context, shell.calculators);
    QVERIFY(window.startUp());
    window.resize(800, 560);
    BackgroundMdiArea& area = *window.mdiArea();
    QWidget* viewport = area.viewport();
    const QSize device = viewport->size() * viewport->devicePixelRatio();

    // Half the area's size and one pixel taller: red, with a green band down its right-hand
    // eighth and a blue one across its bottom eighth.
    QImage picture(device.width() / 2, device.height() / 2 + 1, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool right = x >= picture.width() * 7 / 8;
            const bool bottom = y >= picture.height() * 7 / 8;
            picture.setPixelColor(x, y,
                                  right    ? QColor(40, 200, 40)
                                  : bottom ? QColor(40, 40, 200)
                                           : QColor(200, 40, 40));
        }
    }
    const QString file = QString::fromStdString((shell.folder / "same-proportions.png").string());
    QVERIFY(picture.save(file));
    area.setPictureFile(file);
    const QImage shown = viewport->grab().toImage();

    QCOMPARE(area.shownPicture().size(), device);
    const auto colourAt = [&shown](double x, double y) {
        return shown.pixelColor(static_cast<int>(x * (shown.width() - 1)),
                                static_cast<int>(y * (shown.height() - 1)));
    };
    const auto near = [](QColor found, QColor wanted) {
        return qAbs(found.red() - wanted.red()) < 12 && qAbs(found.green() - wanted.green()) < 12 &&
               qAbs(found.blue() - wanted.blue()) < 12;
    };
    QVERIFY(near(colourAt(0.0, 0.0), QColor(200, 40, 40)));
    QVERIFY(near(colourAt(0.5, 0.5), QColor(200, 40, 40)));
    QVERIFY(near(colourAt(1.0, 0.5), QColor(40, 200, 40)));
    QVERIFY(near(colourAt(0.94, 0.5), QColor(40, 200, 40)));
    QVERIFY(near(colourAt(0.80, 0.5), QColor(200, 40, 40)));
    QVERIFY(near(colourAt(0.5, 1.0), QColor(40, 40, 200)));
    QVERIFY(near(colourAt(0.5, 0.94), QColor(40, 40, 200)));
    QVERIFY(near(colourAt(0.5, 0.80), QColor(200, 40, 40)));
}

void StartupWindowTest::missingPictureLeavesThePlainBackground()
{
    ShellFixture shell;
    QVERIFY(startsStraightToTheMainWindow(shell));
    MDIForm1 window(shell.context, shell.calculators);

    QVERIFY(window.startUp());

    QVERIFY(!window.mdiArea()->hasPicture());
    const QImage shown = window.mdiArea()->viewport()->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2),
             window.mdiArea()->background().color());
    QVERIFY(shell.sink.messages.empty());
}

} // namespace grovan

QTEST_MAIN(grovan::StartupWindowTest)
#include "startup_window_test.moc"
