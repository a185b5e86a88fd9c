#include "registry_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>

namespace platform::store {
namespace {

// "LFRG" in the database header marks the file as this program's store.
constexpr std::int32_t kApplicationId = 0x4C465247;
constexpr int kSchemaVersion = 1;
int busyTimeoutMs = kDefaultBusyTimeoutMs;
constexpr char kSqliteMagic[] = "SQLite format 3";  // 16 bytes with its zero

constexpr const char* kSchema =
    "CREATE TABLE registry_keys ("
    "  root INTEGER NOT NULL, path BLOB NOT NULL, parent BLOB NOT NULL, name BLOB NOT NULL,"
    "  PRIMARY KEY (root, path)) WITHOUT ROWID;"
    "CREATE INDEX registry_keys_by_parent ON registry_keys (root, parent);"
    "CREATE TABLE registry_values ("
    "  root INTEGER NOT NULL, key_path BLOB NOT NULL, folded_name BLOB NOT NULL,"
    "  name BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL,"
    "  PRIMARY KEY (root, key_path, folded_name)) WITHOUT ROWID;";

std::vector<std::string> FoldAll(const std::vector<std::string>& path) {
  std::vector<std::string> folded;
  folded.reserve(path.size());
  for (const std::string& component : path) folded.push_back(FoldName(component));
  return folded;
}

class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
      throw StoreError(std::string("settings store query failed: ") + sqlite3_errmsg(db));
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, std::int64_t number) {
    Check(sqlite3_bind_int64(statement_, index, number));
    return *this;
  }
  Statement& Bind(int index, const std::string& bytes) {
    Check(sqlite3_bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()),
                            SQLITE_TRANSIENT));
    return *this;
  }
  // True while there is a row to read.
  bool Step() {
    int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    throw StoreError(std::string("settings store query failed: ") + sqlite3_errmsg(db_));
  }
  void Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  std::int64_t Integer(int column) { return sqlite3_column_int64(statement_, column); }
  std::string Bytes(int column) {
    const void* data = sqlite3_column_blob(statement_, column);
    int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string(static_cast<const char*>(data), static_cast<size_t>(size)) : "";
  }

 private:
  void Check(int result) {
    if (result != SQLITE_OK)
      throw StoreError(std::string("settings store query failed: ") + sqlite3_errmsg(db_));
  }
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

void Execute(sqlite3* db, const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string text = error ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    throw StoreError("settings store query failed: " + text);
  }
}

enum class FileState { Absent, Empty, LooksLikeDatabase, Foreign };

// Looks at the file's first bytes without handing it to SQLite, which would treat
// anything it cannot parse as an error only once it has it open.
FileState InspectFile(const std::filesystem::path& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? FileState::Absent : FileState::Foreign;
  struct stat info {};
  FileState state = FileState::Foreign;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    if (info.st_size == 0) {
      state = FileState::Empty;
    } else {
      char header[sizeof kSqliteMagic] = {};
      ssize_t got = pread(fd, header, sizeof header, 0);
      if (got == static_cast<ssize_t>(sizeof header) &&
          std::memcmp(header, kSqliteMagic, sizeof header) == 0)
        state = FileState::LooksLikeDatabase;
    }
  }
  close(fd);
  return state;
}

// One connection, closed (and any open transaction rolled back) when it goes.
class Connection {
 public:
  ~Connection() {
    if (db_) sqlite3_close_v2(db_);
  }
  bool Open(const std::filesystem::path& path, int flags) {
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
      sqlite3_close_v2(db_);
      db_ = nullptr;
      return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    Execute(db_, "PRAGMA synchronous = EXTRA; PRAGMA cell_size_check = ON;");
    return true;
  }
  sqlite3* get() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

enum class Content { Ours, Blank, Foreign };

// Inside a transaction: is this a sound store of ours, an untouched blank database, or
// something that must be left alone?
Content CheckContent(sqlite3* db) {
  {
    Statement check(db, "PRAGMA quick_check");
    if (!check.Step() || check.Bytes(0) != "ok") return Content::Foreign;
  }
  std::int64_t applicationId = 0;
  std::int64_t version = 0;
  std::int64_t objects = 0;
  {
    Statement query(db, "PRAGMA application_id");
    if (query.Step()) applicationId = query.Integer(0);
  }
  {
    Statement query(db, "PRAGMA user_version");
    if (query.Step()) version = query.Integer(0);
  }
  {
    Statement query(db, "SELECT count(*) FROM sqlite_schema");
    if (query.Step()) objects = query.Integer(0);
  }
  if (applicationId == 0 && version == 0 && objects == 0) return Content::Blank;
  if (applicationId == kApplicationId && version == kSchemaVersion) return Content::Ours;
  return Content::Foreign;
}

// A read transaction on the store. `status` says whether there is a sound store to read
// (Found), none yet (Missing), or a file that cannot be read as one (Unavailable).
class Reader {
 public:
  Lookup status = Lookup::Missing;

  Reader() {
    std::optional<std::filesystem::path> path = StorePath();
    if (!path) return;
    FileState state = InspectFile(*path);
    if (state == FileState::Absent || state == FileState::Empty) return;
    status = Lookup::Unavailable;
    if (state != FileState::LooksLikeDatabase) return;
    try {
      // Read-write where the file allows it (SQLite falls back to read-only by itself), so
      // a journal left by a killed writer can be rolled back; never with
      // SQLITE_OPEN_CREATE, so reading makes no file.
      if (!connection_.Open(*path, SQLITE_OPEN_READWRITE) &&
          !connection_.Open(*path, SQLITE_OPEN_READONLY))
        return;
      Execute(connection_.get(), "BEGIN");
      Content content = CheckContent(connection_.get());
      if (content == Content::Ours) status = Lookup::Found;
      else if (content == Content::Blank) status = Lookup::Missing;
    } catch (const StoreError&) {
    }
  }
  ~Reader() {
    if (status == Lookup::Found) sqlite3_exec(connection_.get(), "COMMIT", nullptr, nullptr, nullptr);
  }
  sqlite3* db() const { return connection_.get(); }

 private:
  Connection connection_;
};

// A write transaction on the store, made (with its folder) when absent. Commit() makes it
// durable; without it the transaction is rolled back.
class Writer {
 public:
  Writer() {
    std::optional<std::filesystem::path> path = StorePath();
    if (!path) throw StoreError("there is no home folder to keep settings in");
    MakeFolder(path->parent_path());
    FileState state = InspectFile(*path);
    if (state == FileState::Foreign)
      throw StoreError(path->string() + " is not a settings store; it is left as it is");
    if (!connection_.Open(*path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
      throw StoreError("cannot open " + path->string());
    Execute(connection_.get(), "BEGIN IMMEDIATE");
    switch (CheckContent(connection_.get())) {
      case Content::Ours:
        break;
      case Content::Blank:
        folderToSync_ = path->parent_path();
        Execute(connection_.get(), kSchema);
        Execute(connection_.get(), ("PRAGMA application_id = " + std::to_string(kApplicationId) +
                                    "; PRAGMA user_version = " + std::to_string(kSchemaVersion))
                                       .c_str());
        break;
      case Content::Foreign:
        throw StoreError(path->string() + " is not a sound settings store; it is left as it is");
    }
  }
  sqlite3* db() const { return connection_.get(); }
  void Commit() {
    Execute(connection_.get(), "COMMIT");
    // A new store's name (and a new folder's) must reach the disk too, or a power loss
    // could take the whole file with it.
    if (!folderToSync_.empty()) {
      SyncFolder(folderToSync_);
      SyncFolder(folderToSync_.parent_path());
    }
  }

 private:
  static void SyncFolder(const std::filesystem::path& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
  }
  std::filesystem::path folderToSync_;
  static void MakeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return;
    std::filesystem::create_directories(folder.parent_path(), error);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
      throw StoreError("cannot make " + folder.string() + ": " + std::strerror(errno));
  }
  Connection connection_;
};

void InsertKeyAndAncestors(sqlite3* db, HKEY root, const std::vector<std::string>& path) {
  Statement insert(db,
                   "INSERT OR IGNORE INTO registry_keys (root, path, parent, name) "
                   "VALUES (?1, ?2, ?3, ?4)");
  std::vector<std::string> prefix;
  for (const std::string& component : path) {
    std::string parent = JoinKeyPath(FoldAll(prefix));
    prefix.push_back(component);
    insert.Bind(1, root).Bind(2, JoinKeyPath(FoldAll(prefix))).Bind(3, parent).Bind(4, component);
    insert.Step();
    insert.Reset();
  }
}

}  // namespace

void SetBusyTimeout(int milliseconds) { busyTimeoutMs = milliseconds; }

std::optional<std::filesystem::path> StorePath() {
  std::filesystem::path base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
      const passwd* entry = getpwuid(getuid());
      home = entry ? entry->pw_dir : nullptr;
    }
    if (!home || home[0] != '/') return std::nullopt;
    base = std::filesystem::path(home) / ".config";
  }
  return base / "lumpforge" / "registry.db";
}

Lookup FindKey(HKEY root, const std::vector<std::string>& foldedPath) {
  Reader reader;
  if (reader.status != Lookup::Found) return reader.status;
  if (foldedPath.empty()) return Lookup::Found;
  try {
    Statement query(reader.db(), "SELECT 1 FROM registry_keys WHERE root = ?1 AND path = ?2");
    query.Bind(1, root).Bind(2, JoinKeyPath(foldedPath));
    return query.Step() ? Lookup::Found : Lookup::Missing;
  } catch (const StoreError&) {
    return Lookup::Unavailable;
  }
}

void CreateKey(HKEY root, const std::vector<std::string>& path) {
  Writer writer;
  InsertKeyAndAncestors(writer.db(), root, path);
  writer.Commit();
}

ValueLookup FindValue(HKEY root, const std::vector<std::string>& foldedPath,
                      const std::string& foldedName) {
  ValueLookup result;
  Reader reader;
  result.status = reader.status;
  if (reader.status != Lookup::Found) return result;
  try {
    Statement query(reader.db(),
                    "SELECT name, type, data FROM registry_values "
                    "WHERE root = ?1 AND key_path = ?2 AND folded_name = ?3");
    query.Bind(1, root).Bind(2, JoinKeyPath(foldedPath)).Bind(3, foldedName);
    if (query.Step()) {
      result.value.name = query.Bytes(0);
      result.value.type = static_cast<RegistryType>(query.Integer(1));
      result.value.data = query.Bytes(2);
    } else {
      result.status = Lookup::Missing;
    }
  } catch (const StoreError&) {
    result.status = Lookup::Unavailable;
  }
  return result;
}

void WriteValue(HKEY root, const std::vector<std::string>& path, const RegistryValue& value) {
  Writer writer;
  InsertKeyAndAncestors(writer.db(), root, path);
  Statement upsert(writer.db(),
                   "INSERT INTO registry_values (root, key_path, folded_name, name, type, data) "
                   "VALUES (?1, ?2, ?3, ?4, ?5, ?6) "
                   "ON CONFLICT (root, key_path, folded_name) "
                   "DO UPDATE SET type = excluded.type, data = excluded.data");
  upsert.Bind(1, root)
      .Bind(2, JoinKeyPath(FoldAll(path)))
      .Bind(3, FoldName(value.name))
      .Bind(4, value.name)
      .Bind(5, static_cast<std::int64_t>(value.type))
      .Bind(6, value.data);
  upsert.Step();
  writer.Commit();
}

std::vector<std::string> SubKeyNames(HKEY root, const std::vector<std::string>& foldedPath) {
  Reader reader;
  if (reader.status == Lookup::Unavailable) throw StoreError("the settings store cannot be read");
  std::vector<std::string> names;
  if (reader.status != Lookup::Found) return names;
  Statement query(reader.db(),
                  "SELECT name FROM registry_keys WHERE root = ?1 AND parent = ?2 ORDER BY path");
  query.Bind(1, root).Bind(2, JoinKeyPath(foldedPath));
  while (query.Step()) names.push_back(query.Bytes(0));
  return names;
}

std::vector<RegistryValue> Values(HKEY root, const std::vector<std::string>& foldedPath) {
  Reader reader;
  if (reader.status == Lookup::Unavailable) throw StoreError("the settings store cannot be read");
  std::vector<RegistryValue> values;
  if (reader.status != Lookup::Found) return values;
  Statement query(reader.db(),
                  "SELECT name, type, data FROM registry_values "
                  "WHERE root = ?1 AND key_path = ?2 ORDER BY folded_name");
  query.Bind(1, root).Bind(2, JoinKeyPath(foldedPath));
  while (query.Step())
    values.push_back(RegistryValue{query.Bytes(0), static_cast<RegistryType>(query.Integer(1)),
                                   query.Bytes(2)});
  return values;
}

}  // namespace platform::store
