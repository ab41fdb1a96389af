#include "trootmap.h"

#include <climits>
#include <cstdlib>
#include <deque>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& path)
{
    std::vector<std::string> parts;
    size_t i = 0;
    while (i < path.size()) {
        const size_t j = path.find('/', i);
        const size_t end = j == std::string::npos ? path.size() : j;
        if (end > i)
            parts.push_back(path.substr(i, end - i));
        i = end + 1;
    }
    return parts;
}

std::string currentDir()
{
    char buf[PATH_MAX];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string("/");
}

bool startsWithDir(const std::string& path, const std::string& dir)
{
    return path == dir || (path.size() > dir.size() && path.compare(0, dir.size(), dir) == 0 && path[dir.size()] == '/');
}

} // namespace

bool TRootMap::normalise(const std::string& path, std::string* out)
{
    std::vector<std::string> kept;
    for (const std::string& c : split(path)) {
        if (c == ".")
            continue;
        if (c == "..") {
            if (kept.empty())
                return false;
            kept.pop_back();
            continue;
        }
        kept.push_back(c);
    }
    std::string n;
    for (const std::string& c : kept)
        n += '/' + c;
    *out = n.empty() ? std::string("/") : n;
    return true;
}

std::string TRootMap::root()
{
    // Read every time: a test may switch roots within one process.
    const char* env = std::getenv("DVR_ROOT");
    if (!env || !*env)
        return std::string();
    std::string r = env;
    if (r[0] != '/')
        r = currentDir() + '/' + r;
    std::string n;
    if (!normalise(r, &n))
        n = "/";
    char real[PATH_MAX];
    if (::realpath(n.c_str(), real))
        n = real;
    return n == "/" ? std::string() : n;
}

void TRootMap::fixRoot()
{
    const char* env = std::getenv("DVR_ROOT");
    if (!env || !*env)
        return;
    const std::string r = root();
    ::setenv("DVR_ROOT", r.empty() ? "/" : r.c_str(), 1);
}

std::string TRootMap::resolve(const std::string& hostPath)
{
    std::deque<std::string> todo;
    for (const std::string& c : split(hostPath[0] == '/' ? hostPath : currentDir() + '/' + hostPath))
        todo.push_back(c);
    std::string done; // the resolved part; empty stands for "/"
    bool missing = false;
    int links = 0;
    while (!todo.empty()) {
        const std::string c = todo.front();
        todo.pop_front();
        if (c == ".")
            continue;
        if (c == "..") {
            done.erase(done.empty() ? 0 : done.rfind('/'));
            continue;
        }
        const std::string next = done + '/' + c;
        struct stat st;
        const bool exists = !missing && ::lstat(next.c_str(), &st) == 0;
        if (!exists || !S_ISLNK(st.st_mode)) {
            // A component that does not exist ends the walk on disk: what
            // follows it can only be created, never be a link yet.
            missing = !exists;
            done = next;
            continue;
        }
        if (++links > 40)
            return std::string();
        std::vector<char> target(size_t(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(next.c_str(), target.data(), target.size());
        if (n < 0 || size_t(n) >= target.size())
            return std::string();
        const std::string t(target.data(), size_t(n));
        if (!t.empty() && t[0] == '/')
            done.clear();
        const std::vector<std::string> parts = split(t);
        todo.insert(todo.begin(), parts.begin(), parts.end());
    }
    return done.empty() ? std::string("/") : done;
}

bool TRootMap::inside(const std::string& hostPath)
{
    const std::string r = root();
    if (r.empty())
        return true;
    const std::string resolved = resolve(hostPath);
    return !resolved.empty() && startsWithDir(resolved, r);
}

bool TRootMap::map(const std::string& path, std::string* out)
{
    std::string place;
    if (!refusal(path, &place).empty())
        return false;
    *out = place;
    return true;
}

std::string TRootMap::refusal(const std::string& path, std::string* place)
{
    const std::string r = root();
    if (r.empty() || path.empty() || path[0] != '/') {
        *place = path;
        return std::string();
    }
    // A path already below the root keeps it once; what follows is still a
    // unit path and may not climb out.
    const std::string unit = startsWithDir(path, r) ? path.substr(r.size()) : path;
    std::string n;
    if (!normalise(unit.empty() ? std::string("/") : unit, &n)) {
        *place = path;
        return "leaves the runtime root";
    }
    *place = n == "/" ? r : r + n;
    const std::string resolved = resolve(*place);
    if (resolved.empty())
        return "a link loop";
    return startsWithDir(resolved, r) ? std::string() : "leaves the runtime root";
}
