#include "application.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "desktop_facts.h"
#include "hooks.h"
#include "qt_bridge.h"

namespace vcl {
namespace {

TApplication& TheApplication() {
  static TApplication application;
  return application;
}

int g_argc = 1;
char g_programName[] = "lumpforge";
char* g_argv[] = {g_programName, nullptr};
QApplication* g_qtApplication = nullptr;

void InstallDesktopProviders() {
  platform::SetDesktopFactsProvider([] {
    platform::DesktopFacts facts;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      facts.logicalDpi = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
      facts.colourDepth = screen->depth();
    }
    return facts;
  });
  platform::SetCursorPositionProvider([] {
    const QPoint at = QCursor::pos();
    return platform::CursorPosition{at.x(), at.y()};
  });
}

}  // namespace

TApplication* Application = &TheApplication();

std::string ExceptionReportText(const std::exception& error) {
  std::string text = error.what();
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

TApplication::TApplication() = default;

// The application object lives until the process exits, after Qt's own statics are
// gone: it leaves the windows to the process's end. Finalize() tears down in order.
TApplication::~TApplication() = default;

void TApplication::Finalize() {
  DestroyForms();
  delete g_qtApplication;
  g_qtApplication = nullptr;
}

void TApplication::Initialize() { Initialize(g_argc, g_argv); }

void TApplication::Initialize(int& argc, char** argv) {
  if (QApplication::instance()) return;
  // Pixels stay pixels: a 120 dpi desktop gets larger fonts, not scaled windows.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  g_qtApplication = new QApplication(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
  InstallDesktopProviders();
}

bool TApplication::Initialized() const { return QApplication::instance() != nullptr; }

void TApplication::SetTitle(const std::string& title) { title_ = title; }

void TApplication::AddForm(TForm* form) {
  forms_.push_back(form);
  if (!mainForm_) mainForm_ = form;
}

void TApplication::Run() {
  if (!mainForm_) return;
  terminated_ = false;
  RunGuarded([this] { mainForm_->Show(); });
  if (terminated_ || !mainForm_->Visible()) return;
  QApplication::exec();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (QApplication::instance()) QApplication::quit();
}

void TApplication::ProcessMessages() {
  if (QApplication::instance()) QApplication::processEvents();
}

void TApplication::ShowException(const std::exception& error) {
  MessageBoxRequest request;
  request.caption = title_;
  request.text = ExceptionReportText(error);
  request.icon = MessageBoxIcon::Error;
  if (const MessageBoxHook& hook = CurrentMessageBoxHook()) {
    hook(request);
    return;
  }
  if (!QApplication::instance()) {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    return;
  }
  QMessageBox box(QMessageBox::Critical, ToQString(request.caption), ToQString(request.text),
                  QMessageBox::Ok);
  box.exec();
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("An unknown error occurred"));
  }
}

void TApplication::DestroyForms() {
  while (!forms_.empty()) {
    TForm* form = forms_.back();
    forms_.pop_back();
    delete form;
  }
  mainForm_ = nullptr;
}

}  // namespace vcl
