// The Run keys of HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
#pragma once

#include "tasks/RunRegistry.h"

namespace mw {

class Win32RunRegistry : public RunRegistry {
public:
    bool SetValue(Scope scope, const std::string& name, const std::string& data) override;
    bool RemoveValue(Scope scope, const std::string& name) override;
};

}  // namespace mw
