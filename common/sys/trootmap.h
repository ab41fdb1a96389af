#pragma once
#include <string>

// The runtime root's one mapping rule, shared by the program and the
// device-layer stand-in (which has no Qt). Under a root (environment variable
// DVR_ROOT) every absolute unit path is normalised and placed below it; a path
// that climbs above "/" with "..", or that reaches a symbolic link leading out
// of the root, is refused. Without a root (on the unit) paths stay as they are.
class TRootMap
{
public:
    // The root: absolute, without symbolic links or a trailing slash; empty
    // when DVR_ROOT is unset, empty or "/".
    static std::string root();
    // Writes the absolute root back into DVR_ROOT, so that a relative root
    // means the same folder whatever the working directory later is. Called
    // once at start, before any thread runs.
    static void fixRoot();
    // Maps a unit path ("/dvr/x", or a path already below the root) to the
    // host path. Relative paths are left as they are. False when the path
    // would leave the root; out is then left untouched.
    static bool map(const std::string& path, std::string* out);
    // Why map refuses a path: "leaves the runtime root" (".." climbs above
    // "/", or a link on its way leads out) or "a link loop"; empty when it
    // takes it. *place gets the host path it names as written, no link
    // followed (the path itself when ".." climbs out).
    static std::string refusal(const std::string& path, std::string* place);
    // True when a host path, with every symbolic link followed, lies inside
    // the root (always true without a root).
    static bool inside(const std::string& hostPath);
    // The host path with every symbolic link followed; components that do
    // not exist yet are kept as written. Empty on a link loop.
    static std::string resolve(const std::string& hostPath);
    // Removes ".", ".." and repeated slashes from an absolute path; false
    // when ".." would climb above "/".
    static bool normalise(const std::string& path, std::string* out);
};
