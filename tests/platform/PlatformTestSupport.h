#pragma once
// Helpers for tests that work with real files and the environment.

#include <optional>
#include <string>
#include <vector>

namespace quillon::testing {

// A fresh folder under /tmp (short paths, so sockets fit), removed with its content at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Sets (or with nullopt unsets) an environment variable and restores it at the end.
class ScopedEnv {
  public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Names in a folder, sorted, without "." and "..".
std::vector<std::string> folderEntries(const std::string& path);

}  // namespace quillon::testing

#include <functional>

namespace quillon::testing {

// Runs `check` without the power to ignore file permissions: in a child process that has dropped
// to the "nobody" user when the tests run as root, in this process otherwise. True when `check`
// returned true. Folders the check uses must be reachable by that user.
bool runUnprivileged(const std::function<bool()>& check);
// The user id runUnprivileged runs as.
unsigned unprivilegedUid();

}  // namespace quillon::testing
