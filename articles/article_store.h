// The article store CDSArt: one table of articles (ean, nazwa, cena) in the
// file pomo.dat, a SQLite database:
//   CREATE TABLE articles (ean TEXT, nazwa BLOB, cena INTEGER)
// Table order is rowid order; a locate finds the first match in that order.
//
// The store is used like a file-backed table: open (or create), locate,
// edit or insert, set fields, post, delete, close. Everything changed
// between open (or create) and close is written at close in one step; a
// process killed before that leaves pomo.dat as it was. A session that
// changed nothing writes nothing.
//
// Thread contract: one user at a time. Every operation but FileExists
// requires the store lock, lock(), held from open until the user is done.
#pragma once

#include <cstdint>
#include <string>

#include "platform/mutex.h"
#include "support/daily_log.h"

struct sqlite3;
struct sqlite3_stmt;

namespace spr {

inline constexpr char kStoreFile[] = "pomo.dat";
inline constexpr size_t kEanLength = 13;    // longer texts are cut
inline constexpr size_t kNazwaLength = 20;  // longer texts are cut

struct Article {
  std::string ean;
  std::string nazwa;  // CP852 bytes
  int32_t cena = 0;   // hundredths of the złoty
};

class ArticleStore {
 public:
  // `path` is the store file; failures are reported to `log`.
  explicit ArticleStore(DailyLog& log, std::string path = kStoreFile);
  ~ArticleStore();
  ArticleStore(const ArticleStore&) = delete;
  ArticleStore& operator=(const ArticleStore&) = delete;

  // The store lock: a lookup holds it from its open until it returns, the
  // import from its open or create until it returns.
  Mutex& lock() RETURN_CAPABILITY(mu_) { return mu_; }

  // Whether the store file exists (callers test this before they open).
  bool FileExists() const;
  bool IsOpen() const REQUIRES(mu_);

  // Loads the table from the file; nothing when it is open already. False,
  // with one log line saying why, when the file cannot be read as a store.
  // Never changes, truncates or replaces the file.
  bool Open() REQUIRES(mu_);
  // Builds an empty table and opens it; the file appears at close. Only
  // for a store file that does not exist.
  bool Create() REQUIRES(mu_);
  // Writes back what changed since open or create, in one step, then
  // unloads the table. Nothing when it is not open. False, with a log line,
  // when the write failed: the file then stays as it was before the open.
  bool Close() REQUIRES(mu_);

  // Makes the first record whose ean equals `ean` (letter case ignored) the
  // current one. When none matches, the current record stays as it was.
  bool Locate(const std::string& ean) REQUIRES(mu_);
  // Starts changing the current record.
  void Edit() REQUIRES(mu_);
  // Starts a new record; set its fields, then Post.
  void Insert() REQUIRES(mu_);
  void SetEan(const std::string& ean) REQUIRES(mu_);
  void SetNazwa(const std::string& nazwa) REQUIRES(mu_);
  void SetCena(int32_t cena) REQUIRES(mu_);
  // Stores the record being changed or inserted; it becomes the current one.
  bool Post() REQUIRES(mu_);
  // Removes the current record.
  bool Delete() REQUIRES(mu_);

  // Fields of the current record.
  std::string Nazwa() const REQUIRES(mu_);
  int32_t Cena() const REQUIRES(mu_);
  // The price as decimal text without leading zeros, such as "1299".
  std::string CenaText() const REQUIRES(mu_);

 private:
  DailyLog& log_;
  const std::string path_;

  Mutex mu_;
  // Everything below is guarded by mu_.
  sqlite3* db_ GUARDED_BY(mu_) = nullptr;
  // Implementation state (statements, current record, the record being
  // edited, whether anything changed) is added by the implementation.
};

}  // namespace spr
