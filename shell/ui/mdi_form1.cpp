// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/mdi_form1.h"

#include "core/ui/busy_cursor.h"
#include "core/ui/qt_text.h"
#include "core/ui/twips.h"
#include "shell/initialise_all.h"
#include "shell/ui/background_mdi_area.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/frm_disclaimer_yes_no.h"
#include "shell/ui/main_window_size.h"
#include "shell/ui/window_placement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace grovan {

const char* const MDIForm1::kVideoLecturesAddress =
    "https://www.sars.gov.za/types-of-tax/pay-as-you-earn/";

MDIForm1::MDIForm1(const ShellContext& context, const WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_windowContext(context.windowContext()),
      m_windows(windows), m_area(new BackgroundMdiArea(this)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }),
      m_calculatorPrograms(defaultCalculatorPrograms()),
      m_help(HelpWindowLoader::libraryFor(QCoreApplication::applicationDirPath().toStdString(),
                                          context.paths.assetDir))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Grovan 2022"));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

    buildMenuBar();

    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        resize(mainWindowSize(available));
        move(available.center() - rect().center());
    }
}

MDIForm1::~MDIForm1() = default;

QStringList MDIForm1::defaultCalculatorPrograms()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"),
            QStringLiteral("qalculate-qt"),     QStringLiteral("mate-calc"),
            QStringLiteral("speedcrunch"),      QStringLiteral("xcalc")};
}

void MDIForm1::buildMenuBar()
{
    QMenuBar* bar = menuBar();
    const auto addCommand = [this](QWidget* where, const MenuItem& item) {
        QAction* action = nullptr;
        if (item.action == MenuAction::Separator) {
            action = new QAction(where);
            action->setSeparator(true);
        } else {
            action = new QAction(qText(item.caption), where);
            connect(action, &QAction::triggered, this, [this, &item] { run(item); });
        }
        action->setObjectName(qText(item.name));
        if (item.action == MenuAction::OpenCalculator) {
            action->setEnabled(m_windows.find(item.window) != nullptr);
        }
        where->addAction(action);
    };
    for (const TopMenu& top : mainMenuBar()) {
        if (top.title.action != MenuAction::OpenMenu) {
            addCommand(bar, top.title);
            continue;
        }
        QMenu* menu = bar->addMenu(qText(top.title.caption));
        menu->setObjectName(qText(top.title.name));
        menu->menuAction()->setObjectName(qText(top.title.name));
        for (const MenuItem& item : top.items) {
            addCommand(menu, item);
        }
    }
}

bool MDIForm1::startUp()
{
    m_area->setPictureFile(QString::fromStdString(m_context.paths.asset("Grovan.jpg")));
    setWindowTitle(QStringLiteral("Grovan 2022 Ver: ") +
                   QString::fromStdString(m_context.version.displayText()));
    show();
    QCoreApplication::processEvents();
    m_context.state.initialiseAll();
    // The database paths are the context's; every store opens its file by them as needed.
    if (runStartupDialogs(m_context.startup, m_context.version, *this) ==
        StartupOutcome::EndProgram) {
        close();
        return false;
    }
    // The About window opened before the disclaimer; once the disclaimer has gone it takes the
    // keyboard again, as when it opened.
    if (m_about != nullptr && m_about->isVisible()) {
        m_about->raise();
        m_about->activateWindow();
    }
    return true;
}

void MDIForm1::run(const MenuItem& item)
{
    switch (item.action) {
    case MenuAction::InitialiseAll:
        initialiseAll();
        break;
    case MenuAction::PrinterSetup:
        printerSetup();
        break;
    case MenuAction::Exit:
        close();
        break;
    case MenuAction::OpenCalculator:
        if (const WindowFactory* factory = m_windows.find(item.window)) {
            openWindow(item, [this, factory] { return (*factory)(m_windowContext); });
        }
        break;
    case MenuAction::StartCalculatorProgram:
        startCalculatorProgram();
        break;
    case MenuAction::ShowHelp:
        openWindow(item, [this] {
            return m_help.make(m_context.paths.asset("Grovan2022Help.pdf"), m_context.messages);
        });
        break;
    case MenuAction::OpenVideoLectures:
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kVideoLecturesAddress)));
        break;
    case MenuAction::ShowAbout:
        showAbout();
        break;
    case MenuAction::Separator:
    case MenuAction::OpenMenu:
    case MenuAction::Nothing:
        break;
    }
}

QMdiSubWindow* MDIForm1::frameOf(const QString& name) const
{
    for (QMdiSubWindow* frame : m_area->subWindowList()) {
        if (frame->widget() != nullptr && frame->widget()->objectName() == name) {
            return frame;
        }
    }
    return nullptr;
}

QWidget* MDIForm1::childWindow(const QString& name) const
{
    QMdiSubWindow* frame = frameOf(name);
    return frame == nullptr ? nullptr : frame->widget();
}

frmAbout* MDIForm1::aboutWindow() const
{
    return m_about;
}

QWidget* MDIForm1::openWindow(const MenuItem& item,
                              const std::function<std::unique_ptr<QWidget>()>& make)
{
    BusyCursor busy;
    const QString name = qText(item.window);
    QMdiSubWindow* frame = frameOf(name);
    if (frame == nullptr) {
        std::unique_ptr<QWidget> window = make();
        if (!window) {
            return nullptr;
        }
        window->setObjectName(name);
        window->installEventFilter(this);
        frame = m_area->addSubWindow(window.release());
        frame->setAttribute(Qt::WA_DeleteOnClose);
        if (item.action == MenuAction::ShowHelp) {
            const QSize room = m_area->viewport()->size();
            frame->resize(room.width() * 3 / 4, room.height() * 9 / 10);
        }
        placeNewChildWindow(*m_area, *frame);
    }
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    frame->show();
    m_area->setActiveSubWindow(frame);

    if (item.mainWidthTwips > 0 &&
        !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const int border = frameGeometry().width() - width();
        resize(twipsToPixels(item.mainWidthTwips, this) - border, height());
    }
    if (item.cascade) {
        m_area->cascadeSubWindows();
    }
    return frame->widget();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    // A child window that closes itself (its own OK button) only hides inside its frame; once it
    // has handled the close, the empty frame goes too, so the next opening starts afresh.
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window != nullptr) {
            if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
                QTimer::singleShot(0, frame, [frame] {
                    if (frame->widget() == nullptr || frame->widget()->isHidden()) {
                        frame->deleteLater();
                    }
                });
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::initialiseAll()
{
    m_context.state.initialiseAll();
    for (std::string_view window : windowsClosedByInitialiseAll(m_context.calculators)) {
        if (QMdiSubWindow* frame = frameOf(qText(window))) {
            frame->close();
        }
    }
}

void MDIForm1::printerSetup()
{
    QPrintDialog dialog(&m_context.printer.printer(), this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("OK"));
        }
    }
    // Accepting writes the choice into the shared printer; cancelling leaves it as it was.
    m_runDialog(dialog);
}

void MDIForm1::startCalculatorProgram()
{
    for (const QString& program : m_calculatorPrograms) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) {
            return;
        }
    }
    m_context.messages.show(
        {"The Microsoft Calculator is not installed or in the Windows directory"});
}

void MDIForm1::showAbout()
{
    if (m_about == nullptr) {
        m_about = new frmAbout(m_context.startup, m_context.version, this);
        connect(m_about, &frmAbout::okChosen, this, &MDIForm1::enableMenusAfterAbout);
        connect(m_about, &QDialog::finished, m_about, &QObject::deleteLater);
    }
    placeOverMainWindow(*m_about, *this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MDIForm1::enableMenusAfterAbout()
{
    for (const TopMenu& top : mainMenuBar()) {
        if (!top.enabledByAbout) {
            continue;
        }
        if (auto* action = menuBar()->findChild<QAction*>(qText(top.title.name))) {
            action->setEnabled(true);
        }
    }
}

bool MDIForm1::askDisclaimer()
{
    frmDisclaimerYesNo disclaimer(this);
    placeOverMainWindow(disclaimer, *this);
    return m_runDialog(disclaimer) == QDialog::Accepted;
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    const QString help = QStringLiteral("frmHelpBrowser");
    for (QMdiSubWindow* frame : m_area->subWindowList()) {
        if (frame->widget() == nullptr || frame->widget()->objectName() != help) {
            frame->close();
        }
    }
    if (QMdiSubWindow* frame = frameOf(help)) {
        frame->close();
    }
    if (m_about != nullptr) {
        m_about->close();
    }
    // A child window that refused to close keeps the program running with what it holds.
    for (QMdiSubWindow* frame : m_area->subWindowList()) {
        if (frame->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace grovan
