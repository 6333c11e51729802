#include "ui/main_window.h"

#include <atomic>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "app/app_services.h"
#include "app/command_dispatcher.h"
#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "app/publish_model.h"
#include "app/run_progress.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "publish/order_server.h"
#include "publish/sales_log_download.h"
#include "publish/upload_settings.h"
#include "ui/dialog_views.h"
#include "ui/help_key.h"
#include "ui/help_window.h"
#include "ui/menu_table.h"
#include "ui/navigator.h"
#include "ui/navigator_button.h"
#include "ui/progress_dialog.h"
#include "ui/publish_dialog.h"
#include "ui/qt_text.h"
#include "ui/sales_log_viewer.h"

namespace quorvex::ui {

namespace fs = std::filesystem;

namespace {

// Where the window's size and place are kept.
constexpr char kWindowSection[] = "Main Window";
constexpr char kGeometryKey[] = "Geometry";

// The type list entry of a file dialog: "Quorvex Files (*.qvx)".
QString filterOf(const FileFilter& filter) {
  QString label = toQt(filter.label);
  if (label.contains('(')) label = label.left(label.indexOf('(')).trimmed();
  QString patterns = toQt(filter.patterns).replace(';', ' ').replace("*.*", "*");
  return label + " (" + patterns + ")";
}

}  // namespace

MainWindow::MainWindow(SettingsStore& settings)
    : settings_(settings), navigator_(new Navigator(this)) {
  setCentralWidget(navigator_);
  connect(navigator_, &Navigator::commandTriggered, this, &MainWindow::runCommand);
  statusBar()->addWidget(new QLabel("Ready"), 1);
  createMenus();
  auto* nextPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
  connect(nextPane, &QShortcut::activated, this, [this] { focusPane(+1); });
  auto* previousPane = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
  connect(previousPane, &QShortcut::activated, this, [this] { focusPane(-1); });
  addHelpKey(*this, [this] { runCommand(kCmdProgramHelp); });
  resize(900, 640);
}

MainWindow::~MainWindow() = default;

void MainWindow::attach(AppServices& app, CommandDispatcher& dispatcher) {
  app_ = &app;
  dispatcher_ = &dispatcher;
  documentChanged();
}

void MainWindow::createMenus() {
  for (const MenuDefinition& definition : menuBarTable()) {
    QMenu* menu = menuBar()->addMenu(definition.title);
    fillMenu(menu, definition);
    if (definition.entries.front().command == kCmdNew) fileMenu_ = menu;
  }
  connect(fileMenu_, &QMenu::aboutToShow, this, &MainWindow::updateRecentFiles);
  updateRecentFiles();
}

void MainWindow::fillMenu(QMenu* menu, const MenuDefinition& definition) {
  std::vector<QMenu*> open = {menu};
  for (const MenuEntry& entry : definition.entries) {
    QMenu* current = open.back();
    switch (entry.kind) {
      case MenuEntry::Kind::kSeparator: current->addSeparator(); break;
      case MenuEntry::Kind::kSubmenu: open.push_back(current->addMenu(entry.text)); break;
      case MenuEntry::Kind::kEndSubmenu: open.pop_back(); break;
      case MenuEntry::Kind::kRecentFiles:
        recentPlaceholder_ = current->addAction("Recent File");
        recentPlaceholder_->setEnabled(false);
        for (int command = kCmdRecentFile1; command <= kCmdRecentFileLast; ++command) {
          QAction* action = current->addAction(QString());
          action->setStatusTip("Open this company");
          connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
          actions_[command] = action;
        }
        break;
      case MenuEntry::Kind::kItem: {
        QAction* action = current->addAction(entry.text);
        QList<QKeySequence> keys;
        for (const QString& key : QString(entry.shortcuts).split("; ", Qt::SkipEmptyParts)) {
          keys.push_back(QKeySequence(key));
        }
        action->setShortcuts(keys);
        action->setStatusTip(entry.prompt);
        const int command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        actions_[command] = action;
        break;
      }
    }
  }
}

void MainWindow::updateRecentFiles() {
  std::vector<std::string> files;
  if (app_ != nullptr) files = app_->lifecycle.recentFiles().entries();
  for (int i = 0; i < kCmdRecentFileLast - kCmdRecentFile1 + 1; ++i) {
    QAction* action = actions_.at(kCmdRecentFile1 + i);
    const bool used = i < static_cast<int>(files.size());
    action->setVisible(used);
    if (used) action->setText(QString("&%1 %2").arg(i + 1).arg(toQt(files[i])));
  }
  recentPlaceholder_->setVisible(files.empty());
}

QAction* MainWindow::actionFor(int command) const {
  auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::showAsRemembered() {
  const QByteArray geometry = QByteArray::fromBase64(
      QByteArray::fromStdString(settings_.getString(kWindowSection, kGeometryKey, "")));
  if (!geometry.isEmpty() && restoreGeometry(geometry)) {
    show();
  } else {
    showMaximized();
  }
}

void MainWindow::runCommand(int command) {
  if (running_) {
    posted_.push_back(command);
    return;
  }
  running_ = true;
  if (command == kEditUndo || command == kEditCut || command == kEditCopy ||
      command == kEditPaste) {
    runEditCommand(command);
  } else if (dispatcher_ != nullptr) {
    dispatcher_->run(command);
  }
  running_ = false;
  if (!posted_.empty()) QTimer::singleShot(0, this, &MainWindow::runPosted);
}

void MainWindow::runPosted() {
  if (running_ || posted_.empty()) return;
  const int command = posted_.front();
  posted_.pop_front();
  runCommand(command);
}

void MainWindow::postCommand(int command) {
  posted_.push_back(command);
  QTimer::singleShot(0, this, &MainWindow::runPosted);
}

void MainWindow::runEditCommand(int command) {
  // The focused text field does the work, as every Qt text widget offers
  // these slots.
  QWidget* field = QApplication::focusWidget();
  if (field == nullptr) return;
  const char* slot = command == kEditUndo  ? "undo"
                     : command == kEditCut ? "cut"
                     : command == kEditCopy ? "copy"
                                            : "paste";
  QMetaObject::invokeMethod(field, slot);
}

void MainWindow::focusPane(int step) {
  std::vector<QWidget*> panes = navigator_->panes();
  const int count = static_cast<int>(panes.size());
  int current = -1;
  for (int i = 0; i < count; ++i) {
    if (panes[i]->isAncestorOf(QApplication::focusWidget())) current = i;
  }
  const int next = current < 0 ? (step > 0 ? 0 : count - 1) : (current + step + count) % count;
  for (NavigatorButton* button : panes[next]->findChildren<NavigatorButton*>()) {
    if (button->isVisible()) {
      button->setFocus(Qt::ShortcutFocusReason);
      return;
    }
  }
}

DialogResult MainWindow::runDialog(DialogModel& model) {
  return showDialogView(model, *dispatcher_, app_->env.prompter(), this);
}

std::optional<fs::path> MainWindow::chooseFile(const FileDialogRequest& request) {
  QFileDialog dialog(this, toQt(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (request.chooseFolder) {
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
  } else {
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  }
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  dialog.setDirectory(QString::fromStdString(request.folder.string()));
  if (!request.fileName.empty()) dialog.selectFile(toQt(request.fileName));
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters.push_back(filterOf(filter));
  dialog.setNameFilters(filters);
  if (!request.defaultExtension.empty()) {
    dialog.setDefaultSuffix(toQt(request.defaultExtension).remove(0, 1));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return fs::path(dialog.selectedFiles().front().toStdString());
}

SaveChangesAnswer MainWindow::askSaveChanges(const std::string& title) {
  QMessageBox box(QMessageBox::Warning, "Quorvex",
                  QString("Save changes to %1?").arg(toQt(title)),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
  switch (box.exec()) {
    case QMessageBox::Yes: return SaveChangesAnswer::kYes;
    case QMessageBox::No: return SaveChangesAnswer::kNo;
    default: return SaveChangesAnswer::kCancel;
  }
}

void MainWindow::selectNavigatorPage(int page) {
  navigator_->selectGroup(page);
  navigator_->showPage(page);
}

void MainWindow::documentChanged() {
  if (app_ == nullptr) return;
  setWindowTitle(toQt(app_->lifecycle.title()) + " - Quorvex");
}

bool MainWindow::runSaveSite(bool viewSite) {
  SaveSiteOptions options;
  options.viewAfterSaving = viewSite;
  options.version = QUORVEX_VERSION;
  // The run asks for the view from its worker thread; the site is served
  // once the run has ended and the document's web file list is final.
  auto viewWanted = std::make_shared<std::atomic<bool>>(false);
  options.openInBrowser = [viewWanted](const fs::path&) { *viewWanted = true; };
  std::unique_ptr<RunProgress> progress =
      RunProgress::saveSite(app_->doc, app_->env, std::move(options));
  ProgressDialog dialog(*progress, helpFor(*progress), this);
  dialog.exec();
  if (*viewWanted) viewSavedSite();
  return progress->succeeded();
}

void MainWindow::viewSavedSite() {
  const std::optional<std::string> address = sitePreview_.start(
      *app_->doc.m_pWebFileList, app_->env.home(), app_->doc.m_pSiteTemplate->isAddOn());
  if (!address) {
    app_->env.prompter().showMessage("Quorvex could not serve the site on this computer.");
    return;
  }
  openWithDefaultHandler(*address);
}

void MainWindow::runPublish(const PublishRequest& request) {
  UploadSettings upload = UploadSettings::fromPreferences(
      *request.serverPreferences, orderServerHost(app_->env.settings()), request.addOn);
  if (request.addOn) {
    upload.siteFolder = request.workingFolder;
  } else if (std::optional<fs::path> folder =
                 joinInside(request.workingFolder, app_->doc.m_strCompanyName)) {
    upload.siteFolder = *folder;
  }
  PublishModel model(upload, *request.webFiles, *request.orderServerFiles, app_->env);
  PublishDialog dialog(model, [this, &model] { dispatcher_->showHelpFor(model); }, this);
  dialog.exec();
}

void MainWindow::runSalesLogDownload() {
  const CBrenquilDoc& doc = app_->doc;
  std::optional<fs::path> siteFolder = joinInside(app_->env.home(), doc.m_strCompanyName);
  if (doc.m_strCompanyName.empty() || !siteFolder) {
    app_->env.prompter().showMessage("Please, specify a company name to continue.");
    return;
  }
  std::unique_ptr<RunProgress> progress = RunProgress::salesLogDownload(
      SalesLogSettings::fromPreferences(*doc.m_pFtp, orderServerHost(app_->env.settings()),
                                        *siteFolder),
      app_->env);
  ProgressDialog dialog(*progress, helpFor(*progress), this);
  dialog.exec();
  if (!progress->succeeded()) return;
  if (!progress->appendedEntries()) {
    app_->env.prompter().showMessage(kNoNewSalesLogEntries);
    return;
  }
  app_->env.prompter().showMessage(salesLogsAppendedMessage(*siteFolder));
  SalesLogViewer viewer(*siteFolder, this);
  viewer.exec();
}

void MainWindow::openWithDefaultHandler(const std::string& target) {
  std::error_code error;
  const QString text = toQt(target);
  const QUrl url = fs::exists(target, error) ? QUrl::fromLocalFile(text) : QUrl(text);
  if (!QDesktopServices::openUrl(url)) {
    app_->env.prompter().showMessage("Quorvex could not open " + target + ".");
  }
}

std::function<void()> MainWindow::helpFor(const RunProgress& progress) {
  return [this, topic = progress.helpTopic()] { dispatcher_->showHelp(topic); };
}

void MainWindow::showHelpTopic(const std::string& topic) {
  const QString page = QString::fromStdString(topic);
  // A modal dialog blocks every window but its own: help asked for while
  // one is open belongs to that dialog and closes with it.
  if (QWidget* dialog = QApplication::activeModalWidget()) {
    auto* help = new HelpWindow(dialog);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->showTopic(page);
    return;
  }
  if (help_ == nullptr) help_ = new HelpWindow(this);
  help_->showTopic(page);
}

void MainWindow::showAbout(const std::string& versionLine) {
  QMessageBox::about(this, "About Quorvex",
                     QString("<h3>Quorvex</h3><p>%1</p><p>Build, keep and publish the web "
                             "shop of your business.</p>")
                         .arg(toQt(versionLine).toHtmlEscaped()));
}

std::optional<BrowserVersion> MainWindow::browserVersion() {
  // Help pages are shown by the program's own help window, which needs no
  // outside browser component: report one that is always ready.
  return BrowserVersion{6, 0, 0};
}

void MainWindow::quit() {
  quitting_ = true;
  QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!quitting_ && dispatcher_ != nullptr) {
    // The close box is Exit: the document's save question comes first.
    event->ignore();
    runCommand(kCmdExit);
    return;
  }
  // The window's place is a convenience: a store that cannot keep it is not
  // worth a message on the way out.
  (void)settings_.setString(kWindowSection, kGeometryKey,
                            saveGeometry().toBase64().toStdString());
  if (help_ != nullptr) help_->close();
  event->accept();
}

}  // namespace quorvex::ui
