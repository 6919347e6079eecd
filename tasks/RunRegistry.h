// The registry's Run keys, whose values start programs when a user logs on.
#pragma once

#include <string>

namespace mw {

class RunRegistry {
public:
    // The machine-wide key starts the program for every user; the per-user key only for this one.
    enum Scope { kMachine, kUser };

    virtual ~RunRegistry() = default;
    // False when the value cannot be written (no right to the key).
    virtual bool SetValue(Scope scope, const std::string& name, const std::string& data) = 0;
    // True when no such value is left: deleted, or never there.
    virtual bool RemoveValue(Scope scope, const std::string& name) = 0;
};

}  // namespace mw
