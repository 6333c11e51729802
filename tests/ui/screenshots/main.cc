// ui_screenshots OUTDIR: starts the desktop program on the sample company in
// a fresh home and saves a PNG of the main window (one per navigator page),
// of each menu opened over it and of every dialog of the program's own,
// each named after what it shows. Run by scripts/screenshots-app.sh.
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/command_ids.h"
#include "app/publish_model.h"
#include "app/save_site_dialog.h"
#include "company/brenquil_doc.h"
#include "platform/home.h"
#include "publish/upload_settings.h"
#include "ui/desktop_app.h"
#include "ui/help_window.h"
#include "ui/navigator.h"
#include "ui/publish_dialog.h"
#include "ui/sales_log_viewer.h"
#include "ui/save_site_choice_dialog.h"
#include "screenshots/commerce_step_shots.h"
#include "screenshots/feature_shots.h"
#include "screenshots/order_coupon_shots.h"
#include "screenshots/product_shots.h"
#include "screenshots/steps_one_shots.h"

namespace fs = std::filesystem;
using namespace quorvex;
using namespace quorvex::ui;

namespace {

constexpr char kCompany[] = "Acme Outdoor Supply";

fs::path outDir;

void save(const QPixmap& picture, const QString& name) {
  const QString file = QString::fromStdString((outDir / name.toStdString()).string()) + ".png";
  if (!picture.save(file)) std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

// Shows `widget` as a window, lets it lay itself out and saves it.
void capture(QWidget& widget, const QString& name) {
  widget.show();
  QTest::qWait(150);
  save(widget.grab(), name);
  widget.hide();
}

// The main window with `menu` open under its title (and `submenu`, when
// given, beside it).
void captureMenu(MainWindow& window, QAction* title, QMenu* submenu, const QString& name) {
  QMenu* menu = title->menu();
  window.menuBar()->setActiveAction(title);
  QTest::qWait(150);
  if (submenu != nullptr) {
    menu->setActiveAction(submenu->menuAction());
    submenu->popup(menu->geometry().topRight() - QPoint(0, 0) +
                   QPoint(0, menu->actionGeometry(submenu->menuAction()).top()));
    QTest::qWait(150);
  }
  QPixmap picture = window.grab();
  QPainter painter(&picture);
  for (QMenu* open : {menu, submenu}) {
    if (open == nullptr || !open->isVisible()) continue;
    painter.drawPixmap(window.mapFromGlobal(open->geometry().topLeft()), open->grab());
  }
  painter.end();
  save(picture, name);
  if (submenu != nullptr) submenu->hide();
  menu->hide();
  window.menuBar()->setActiveAction(nullptr);
}

// Saves each window whose title it expects the moment it is shown (a grab
// renders the window whole, before it has painted) and then, when told to,
// closes it: the commands that open these windows wait in their own event
// loops. A message box it does not expect is closed and reported, so that
// the program never waits for a user.
class ShownWindowSaver : public QObject {
 public:
  ShownWindowSaver() { qApp->installEventFilter(this); }

  void expect(const QString& title, const QString& name, bool close) {
    expected_.push_back({title, name, close});
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::Show || !object->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(object);
    if (!window->isWindow()) return false;
    auto found = std::find_if(expected_.begin(), expected_.end(), [&](const Expected& e) {
      return e.title == window->windowTitle();
    });
    if (found == expected_.end()) {
      if (qobject_cast<QMessageBox*>(window) != nullptr) {
        std::fprintf(stderr, "unexpected message: %s\n",
                     qPrintable(static_cast<QMessageBox*>(window)->text()));
        QTimer::singleShot(0, window, &QWidget::close);
      }
      return false;
    }
    const Expected shown = *found;
    expected_.erase(found);
    QPointer<QWidget> pointer(window);
    QTimer::singleShot(0, [pointer, shown] {
      if (pointer == nullptr) return;
      save(pointer->grab(), shown.name);
      if (shown.close) pointer->close();
    });
    return false;
  }

 private:
  struct Expected {
    QString title;
    QString name;
    bool close;
  };
  std::vector<Expected> expected_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_screenshots OUTDIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  outDir = argv[1];
  fs::create_directories(outDir);

  const fs::path home = fs::temp_directory_path() / "quorvex-screenshots";
  fs::remove_all(home);
  if (!seedHome(home, installedDataDir()).ok()) return 1;
  fs::copy(home / "Sample" / kCompany, home / kCompany, fs::copy_options::recursive);
  const fs::path document = home / (std::string(kCompany) + ".qvx");
  fs::copy_file(home / "Sample" / "acme.qvx", document);
  std::ofstream(home / "Quorvex.ini") << "[Settings]\nFirst Run=0\n";

  DesktopApp app(home, home / "Quorvex.ini");
  if (!app.start(document)) return 1;
  MainWindow& window = app.window();
  // The pointer stays off the window, so that no button shows its hover look.
  QCursor::setPos(0, 0);
  window.showNormal();
  window.setGeometry(40, 40, 960, 640);
  QTest::qWait(200);

  const QStringList pages = {"Company Information", "Web Site Layout", "Products",
                             "Ordering Information", "Build and Publish"};
  for (int page = 0; page < pages.size(); ++page) {
    window.selectNavigatorPage(page);
    QTest::qWait(50);
    save(window.grab(), "Main Window - " + pages[page]);
  }
  window.selectNavigatorPage(0);

  for (QAction* title : window.menuBar()->actions()) {
    QString name = title->text().remove('&');
    captureMenu(window, title, nullptr, "Menu " + name);
    if (name == "Navigate") {
      for (QAction* item : title->menu()->actions()) {
        if (item->menu() == nullptr) continue;
        captureMenu(window, title, item->menu(),
                    "Menu Navigate - " + item->text().replace("&&", "and").remove('&'));
      }
    }
  }

  SaveSiteDialog choice;
  SaveSiteChoiceDialog choiceView(choice, [] {}, &window);
  capture(choiceView, "Save Web Site Locally");

  // The progress dialog during a real build of the sample.
  ShownWindowSaver saver;
  saver.expect("Saving Web Site Locally", "Saving Web Site Locally", false);
  const bool built = window.runSaveSite(/*viewSite=*/false);
  if (!built) std::fprintf(stderr, "the sample's build did not succeed\n");

  CBrenquilDoc& doc = app.document();
  PublishModel publish(UploadSettings::fromPreferences(*doc.m_pFtp, "orders.example", false),
                       *doc.m_pWebFileList, *doc.m_pOrderServerFileList, app.env());
  PublishDialog publishView(publish, [] {}, &window);
  capture(publishView, "Publish Web Site To Internet");

  const fs::path site = home / kCompany;
  std::ofstream(site / "header.csv")
      << "1001,2024-05-01,Jane Miller,jane@example.com,84.90\n"
         "1002,2024-05-02,Tom Baker,tom@example.com,19.95\n";
  std::ofstream(site / "items.csv") << "1001,TENT-2,Two-person tent,1,79.90\n";
  SalesLogViewer logs(site, &window);
  capture(logs, "Sales Logs");

  HelpWindow help(&window);
  help.showTopic(QString::fromStdString((home / "Help" / "Quorvex.html").string()));
  QTest::qWait(150);
  save(help.grab(), "Quorvex Help");
  help.hide();

  // The sales-log download in the progress dialog, from an order server
  // that refuses the connection; the message that says so.
  ::setenv("QUORVEX_ORDER_SERVER", "127.0.0.1:9", 1);
  saver.expect("Download Sales Logs", "Download Sales Logs", false);
  saver.expect("Quorvex", "Message - sales logs not downloaded", true);
  window.runCommand(kCmdDownloadSalesLogs);

  captureStepsOne(
      window, app.services(),
      [&saver](const QString& title, const QString& name) { saver.expect(title, name, true); },
      capture);

  captureProductList(
      window, app.env(), *app.document().m_pExtraFields,
      [&saver](const QString& title, const QString& name) { saver.expect(title, name, true); },
      capture);

  captureProductFeatures(
      window, app.env(),
      [&saver](const QString& title, const QString& name) { saver.expect(title, name, true); },
      capture);

  captureCommerceSteps(
      window, app.env(),
      [&saver](const QString& title, const QString& name) { saver.expect(title, name, true); },
      capture);

  captureOrderCouponSteps(
      window, app.services(),
      [&saver](const QString& title, const QString& name) { saver.expect(title, name, true); },
      capture);

  // The About box, as the command shows it.
  saver.expect("About Quorvex", "About Quorvex", true);
  window.runCommand(kCmdAbout);
  app.lifecycle().setModified(false);
  fs::remove_all(home);
  return 0;
}
