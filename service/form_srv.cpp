#include "service/form_srv.h"

#include "articles/price_import.h"
#include "platform/files.h"
#include "service/messages.h"

namespace spr {
namespace {

// The log the library's log callback writes to; set while a service runs.
std::atomic<DailyLog*> g_library_log{nullptr};

}  // namespace

// The log callback handed to the checker library.
extern "C" int32_t SPR_CDECL OnLibraryLog(const char* ip, int32_t, int32_t,
                                          const char* message) {
  try {
    DailyLog* log = g_library_log.load();
    if (log != nullptr) log->WriteLog(message ? message : "", ip ? ip : "");
  } catch (...) {
    // Nothing may cross into the library; the line is lost.
  }
  return 0;
}

TService1::TService1(Clock& clock, StopRequest& stop_request)
    : Timer1(clock, kTimerIntervalMs, [this] { Timer1Timer(); }),
      CDSArt(log_, kStoreFile),
      clock_(clock),
      stop_request_(stop_request),
      log_(clock),
      price_check_{CDSArt, settings_, log_, ImportInProgress},
      watcher_(clock, log_, settings_, ImportInProgress, [this] {
        return ImportPrices(CDSArt, settings_, log_, clock_);
      }) {}

TService1::~TService1() {
  SetPriceCheckContext(nullptr);
  g_library_log = nullptr;
}

void TService1::ServiceStart(bool* Started) {
  std::string err;
  if (!SetWorkingDirectory(ExecutableDirectory(), &err))
    std::fprintf(stderr, "sprawdzarka: %s\n", err.c_str());
  log_.OpenLogFile();
  ReadSettings(kSettingsFile, &settings_);
  StartCheckerLibrary(Started);
  Timer1Timer();
}

void TService1::StartCheckerLibrary(bool* started) {
  g_library_log = &log_;
  SetPriceCheckContext(&price_check_);
  std::string detail;
  const CheckerBinding::Outcome outcome =
      library_.Start(CheckerLibraryPath(), OnPriceQuery, OnLibraryLog,
                     kStatusStartPending, &detail);
  switch (outcome) {
    case CheckerBinding::Outcome::kStarted:
      log_.WriteLog(kMsgOkStart, kServiceIp);
      return;
    case CheckerBinding::Outcome::kStartFailed:
      log_.WriteLog(kMsgStartError, kServiceIp);
      break;
    case CheckerBinding::Outcome::kStartFailedOther:
      log_.WriteLog(kMsgStartError2, kServiceIp);
      break;
    case CheckerBinding::Outcome::kMissingLibrary:
      log_.WriteLog(kMsgNoLibrary, kServiceIp);
      break;
    case CheckerBinding::Outcome::kMissingEntryPoint:
      log_.WriteLog(std::string(kMsgNoEntryPointBefore) +
                        library_.missing_entry_point() + kMsgNoEntryPointAfter,
                    kServiceIp);
      break;
  }
  // The journal gets the detail the fixed log texts leave out.
  std::fprintf(stderr, "sprawdzarka: checker library: %s\n", detail.c_str());
  *started = false;
}

void TService1::ServiceExecute() {
  Timer1.SetEnabled(true);
  stop_request_.Wait();
  Timer1.SetEnabled(false);
}

void TService1::ServiceStop(bool* Stopped) {
  (void)Stopped;  // a stop request always succeeds
  log_.WriteLog(kMsgEndJob, kServiceIp);
  log_.Close();
  library_.Stop();
}

void TService1::Timer1Timer() {
  Timer1.SetEnabled(false);
  log_.OpenLogFile();
  watcher_.CheckImport();
  Timer1.SetEnabled(true);
}

}  // namespace spr
