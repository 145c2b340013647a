// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/app_paths.h"
#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/program_version.h"
#include "core/settings_store.h"
#include "core/startup_store.h"
#include "core/ui/printer_choice.h"
#include "core/ui/report_printer.h"
#include "core/ui/report_viewer.h"
#include "core/ui/window_registry.h"
#include "shell/app_state.h"
#include "shell/calculators.h"
#include "shell/ui/shell_context.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <memory>

namespace grovan::testing {

/// Everything the main window needs, in a fresh temporary folder: assets in "share", databases
/// in "data", messages recorded, version 2.0.5. The report viewer has no main window.
struct ShellFixture
{
    ShellFixture()
    {
        std::filesystem::create_directories(paths.assetDir);
        std::filesystem::create_directories(paths.dataDir);
    }

    TempFolder folder;
    AppPaths paths{folder / "share", folder / "data"};
    RecordingSink sink;
    AppState state;
    PrinterChoice printer;
    SettingsDatabase settings{paths.settingsDatabase(), sink};
    StartupStateDatabase startup{paths.startupDatabase(), sink};
    PrintDatabase printDatabase{paths.printDatabase(), programCalculators().printSchema(), sink};
    ReportViewer reports{printDatabase, printer, sink, nullptr};
    ReportPrinter reportPrinter{printDatabase, reports, paths.assetDir};
    /// The calculator windows the main window is to open.
    WindowRegistry calculators;
    ShellContext context{paths,
                         ProgramVersion{2, 0, 5},
                         sink,
                         state,
                         printer,
                         settings,
                         startup,
                         printDatabase,
                         reports,
                         reportPrinter,
                         programCalculators()};
    /// What a calculator window is lent.
    WindowContext windowContext = context.windowContext();
};

/// Records, in order, the name of every "frm" window that handles a close event.
class CloseLog : public QObject
{
public:
    CloseLog() { QCoreApplication::instance()->installEventFilter(this); }
    ~CloseLog() override { QCoreApplication::instance()->removeEventFilter(this); }
    QStringList closed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && watched->objectName().startsWith("frm")) {
            closed << watched->objectName();
        }
        return false;
    }
};

/// A stand-in calculator window: one text field "Text1" and an "&OK" button "cmdOk" that closes
/// the window, as the calculators' own do.
class DummyCalculator : public QWidget
{
public:
    DummyCalculator()
    {
        auto* text = new QLineEdit(this);
        text->setObjectName("Text1");
        auto* ok = new QPushButton("&OK", this);
        ok->setObjectName("cmdOk");
        connect(ok, &QPushButton::clicked, this, &QWidget::close);
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(text);
        layout->addWidget(ok);
    }
};

/// A factory of stand-in calculator windows that counts the windows it made.
inline WindowFactory dummyFactory(int* made = nullptr)
{
    return [made](const WindowContext&) {
        if (made != nullptr) {
            ++*made;
        }
        return std::make_unique<DummyCalculator>();
    };
}

} // namespace grovan::testing
