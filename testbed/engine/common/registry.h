#pragma once
// The prefix's registry as Wine keeps it: the server holds it in memory
// and writes "system.reg", "user.reg" and "userdef.reg" only when it saves,
// which it does as it exits. The testbed's "memory" is the folder
// "<prefix>/.testbed/registry"; programs change it, the server saves it.
#include <map>
#include <string>

#include "common/prefix.h"

namespace testbed_engine {

// Puts a new prefix's registry into memory unless a registry exists.
void createRegistry(const Prefix& prefix, const std::string& user);

// Sets string values under one key of a hive ("system.reg"), in memory.
void setRegistryValues(const Prefix& prefix, const std::string& hive, const std::string& key,
                       const std::map<std::string, std::string>& values);

// A value as the running programs see it: memory first, then the disk.
std::optional<std::string> registryValue(const Prefix& prefix, const std::string& hive, const std::string& key,
                                         const std::string& name);

// The server's side: forget what an earlier server left unsaved, and save.
void forgetUnsavedRegistry(const Prefix& prefix);
void saveRegistry(const Prefix& prefix);

}  // namespace testbed_engine
