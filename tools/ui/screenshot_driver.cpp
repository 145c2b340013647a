// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into the grovan program by tools/take-screenshots (LD_PRELOAD), so that the pictures show
// the program itself as a new user starts it: accepts the disclaimer, closes the About window,
// then for each line of the examples table opens the calculator by its menu command, types the
// worked example, and saves a picture of the calculator (or of the main window, for a line
// without a menu command). Ends the program with 0 when every picture was saved, 1 otherwise;
// every problem is named on standard error with the table's line.
// GROVAN_SCREENSHOT_TABLE names the table, GROVAN_SCREENSHOT_DIR the folder of the pictures.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

struct Example
{
    int line = 0;
    QString picture;
    QString command; ///< empty: the main window as it opens
    QString window;
    QStringList steps;
};

constexpr int kMainWidth = 1024;
constexpr int kMainHeight = 720;
constexpr int kStartTimeoutMs = 30000;

void report(const QString& text)
{
    std::fprintf(stderr, "screenshots: %s\n", qPrintable(text));
}

// Lines of "picture | caption | menu command | window | step; step; ...", # for comments.
bool readTable(const QString& path, QList<Example>& examples)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        report(QStringLiteral("cannot read the table %1: %2").arg(path, file.errorString()));
        return false;
    }
    QTextStream in(&file);
    bool ok = true;
    for (int line = 1; !in.atEnd(); ++line) {
        const QString text = in.readLine().trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList columns = text.split(QLatin1Char('|'));
        if (columns.size() != 5 || columns[0].trimmed().isEmpty()) {
            report(QStringLiteral("%1:%2: five columns separated by | are needed, the first "
                                  "naming the picture")
                       .arg(path)
                       .arg(line));
            ok = false;
            continue;
        }
        Example example{line, columns[0].trimmed(), columns[2].trimmed(), columns[3].trimmed(), {}};
        for (const QString& step : columns[4].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!step.trimmed().isEmpty()) {
                example.steps.push_back(step.trimmed());
            }
        }
        if (!example.command.isEmpty() && example.window.isEmpty()) {
            report(QStringLiteral("%1:%2: a menu command needs the window it opens")
                       .arg(path)
                       .arg(line));
            ok = false;
            continue;
        }
        examples.push_back(example);
    }
    if (examples.isEmpty()) {
        report(QStringLiteral("%1 names no picture").arg(path));
        ok = false;
    }
    return ok;
}

QWidget* visibleWidget(const QString& name)
{
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

QMainWindow* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(widget); main != nullptr && main->isVisible()) {
            return main;
        }
    }
    return nullptr;
}

class Driver : public QObject
{
public:
    Driver(QList<Example> examples, QDir folder)
        : m_examples(std::move(examples)), m_folder(std::move(folder))
    {
        connect(&m_poll, &QTimer::timeout, this, &Driver::waitForStart);
        m_poll.start(200);
        m_started.start();
        // A message box stops an example: it is read, closed and reported.
        connect(&m_watch, &QTimer::timeout, this, &Driver::closeMessageBox);
        m_watch.start(250);
    }

private:
    // The program starts with the disclaimer (modal, in its own event loop) and perhaps the
    // About window; the pictures are taken once the main window stands alone.
    void waitForStart()
    {
        if (QWidget* disclaimer = visibleWidget(QStringLiteral("frmDisclaimerYesNo"))) {
            disclaimer->findChild<QCheckBox*>(QStringLiteral("chkDisclaimerYesNo"))
                ->setChecked(true);
            disclaimer->findChild<QAbstractButton*>(QStringLiteral("cmdOk"))->click();
            return;
        }
        QMainWindow* main = mainWindow();
        if (main != nullptr && QApplication::activeModalWidget() == nullptr) {
            if (QWidget* about = visibleWidget(QStringLiteral("frmAbout"))) {
                about->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
                return;
            }
            m_poll.stop();
            QTimer::singleShot(300, this, [this, main] { takePictures(*main); });
            return;
        }
        if (m_started.elapsed() > kStartTimeoutMs) {
            // Perhaps inside a dialog's event loop, which exit() would only leave for the next.
            report(QStringLiteral("the main window did not come up"));
            std::exit(1);
        }
    }

    void closeMessageBox()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_message = box->text();
            box->done(QMessageBox::Ok);
        }
    }

    void takePictures(QMainWindow& main)
    {
        main.resize(kMainWidth, kMainHeight);
        bool ok = true;
        for (const Example& example : m_examples) {
            ok = takePicture(main, example) && ok;
        }
        QCoreApplication::exit(ok ? 0 : 1);
    }

    bool takePicture(QMainWindow& main, const Example& example)
    {
        const auto fail = [&example](const QString& problem) {
            report(
                QStringLiteral("line %1 (%2): %3").arg(example.line).arg(example.picture, problem));
            return false;
        };
        if (example.command.isEmpty()) {
            return save(main, example) || fail(QStringLiteral("the picture was not saved"));
        }
        auto* command = main.findChild<QAction*>(example.command);
        if (command == nullptr || !command->isEnabled()) {
            return fail(QStringLiteral("there is no enabled menu command %1").arg(example.command));
        }
        command->trigger();
        QWidget* window = nullptr;
        if (!QTest::qWaitFor([&] { return (window = visibleWidget(example.window)) != nullptr; },
                             5000)) {
            return fail(QStringLiteral("%1 did not open %2").arg(example.command, example.window));
        }
        QWidget* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        if (frame == nullptr) {
            frame = window;
        }
        bool ok = true;
        m_message.clear();
        for (const QString& step : example.steps) {
            if (!runStep(*window, step)) {
                ok = fail(QStringLiteral("the window has no control for \"%1\"").arg(step));
                break;
            }
            if (!m_message.isEmpty()) {
                ok = fail(QStringLiteral("after \"%1\" the window said: %2").arg(step, m_message));
                break;
            }
        }
        if (ok && !save(*frame, example)) {
            ok = fail(QStringLiteral("the picture was not saved"));
        }
        frame->close();
        QTest::qWait(200);
        return ok;
    }

    // CONTROL=TEXT types over a field and leaves it with Tab; CONTROL clicks it.
    static bool runStep(QWidget& window, const QString& step)
    {
        const qsizetype equals = step.indexOf(QLatin1Char('='));
        if (equals < 0) {
            auto* button = window.findChild<QAbstractButton*>(step);
            if (button == nullptr) {
                return false;
            }
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::qWait(150);
            return true;
        }
        auto* field = window.findChild<QLineEdit*>(step.left(equals).trimmed());
        if (field == nullptr) {
            return false;
        }
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, step.mid(equals + 1).trimmed());
        QTest::keyClick(field, Qt::Key_Tab);
        QTest::qWait(50);
        return true;
    }

    bool save(QWidget& widget, const Example& example) const
    {
        QTest::qWait(300);
        const QString file = m_folder.filePath(example.picture + QStringLiteral(".png"));
        const bool saved = widget.grab().save(file);
        if (saved) {
            std::printf("saved %s\n", qPrintable(file));
        }
        return saved;
    }

    QList<Example> m_examples;
    QDir m_folder;
    QTimer m_poll;
    QTimer m_watch;
    QElapsedTimer m_started;
    QString m_message;
};

void startDriver()
{
    const QString table = qEnvironmentVariable("GROVAN_SCREENSHOT_TABLE");
    const QString folder = qEnvironmentVariable("GROVAN_SCREENSHOT_DIR");
    QList<Example> examples;
    if (table.isEmpty() || folder.isEmpty() || !readTable(table, examples)) {
        report(QStringLiteral("GROVAN_SCREENSHOT_TABLE must name a readable table and "
                              "GROVAN_SCREENSHOT_DIR a folder"));
        std::exit(1);
    }
    // Made once the application object is complete; it lives as long as the program.
    QTimer::singleShot(0, [examples, folder] { new Driver(examples, QDir(folder)); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
