// The service module Service1: its start, execute and stop handlers, the
// one-minute timer Timer1 with its tick handler, and the article store
// CDSArt. Apart from the checker library's two callbacks, these handlers
// are the only ways into the service's own logic.
//
// Threads: the service thread runs ServiceStart (with the first tick),
// ServiceExecute and ServiceStop; the main thread runs Timer1's ticks;
// the checker library's threads run the callbacks.
#pragma once

#include <atomic>
#include <string>

#include "articles/article_store.h"
#include "articles/import_watcher.h"
#include "checkerlib/checker_binding.h"
#include "platform/clock.h"
#include "pricecheck/price_check.h"
#include "service/stop_request.h"
#include "service/timer.h"
#include "support/daily_log.h"
#include "support/settings.h"

namespace spr {

inline constexpr int64_t kTimerIntervalMs = 60000;

class TService1 {
 public:
  // `stop_request` is what the request loop of ServiceExecute waits for.
  TService1(Clock& clock, StopRequest& stop_request);
  ~TService1();

  // Start handler: leaves *Started true on success, false when the service
  // must stop again at once.
  void ServiceStart(bool* Started);
  // Execute handler: runs until the stop request.
  void ServiceExecute();
  // Stop handler: a stop request always succeeds.
  void ServiceStop(bool* Stopped);
  // Tick handler; also run once by the start handler.
  void Timer1Timer();

  Timer Timer1;
  ArticleStore CDSArt;

 private:
  void StartCheckerLibrary(bool* started);

  Clock& clock_;
  StopRequest& stop_request_;
  DailyLog log_;
  // Written by ServiceStart before the library starts; read-only afterwards.
  Settings settings_;
  std::atomic<bool> ImportInProgress{false};
  PriceCheckContext price_check_;
  ImportWatcher watcher_;
  CheckerBinding library_;
};

}  // namespace spr
