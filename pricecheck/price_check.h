// Price checking: turning a scanned code into an article (FindArticle) and
// laying out the checker's two-line answer (OnPriceQuery).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "articles/article_store.h"
#include "support/daily_log.h"
#include "support/settings.h"

namespace spr {

// What a lookup needs; all of it outlives every query.
struct PriceCheckContext {
  ArticleStore& CDSArt;
  const Settings& settings;  // read-only once the service runs
  DailyLog& log;
  const std::atomic<bool>& ImportInProgress;
};

// Resolves `code` (plain EAN, item-prefixed or price-prefixed in-store
// barcode, short code) and looks it up. When found, fills `name` (CP852)
// and `price` (digits, at least three, last two hundredths). Writes its
// own log lines with `ip` as the address field.
bool FindArticle(const PriceCheckContext& ctx, const char* code,
                 std::string* name, std::string* price, const char* ip);

// The answer texts, 40 characters (longer only for codes over 16).
std::string ImportRunningAnswer();
std::string FoundAnswer(const std::string& name, const std::string& price);
std::string NotFoundAnswer(const std::string& code);

// The whole query: sets answer (plus two NULs), number1, number2, text2 in
// every case and returns 0. Never throws.
int32_t AnswerPriceQuery(const PriceCheckContext& ctx, const char* ip,
                         const char* code, char* answer, int32_t* number1,
                         int32_t* number2, char* text2);

}  // namespace spr
