// The names of the copies kept of a file, as people keep them: FILE.bak for
// the first, then numbered as GNU tools number theirs, so that every earlier
// state stays and the newest has the highest number: FILE.2.bak, FILE.3.bak...
#pragma once

#include <string>

namespace bitloom::files {

// The name after the highest backup of path that its folder holds, whatever
// made it (a file or a folder of that name counts): path.bak when there is
// none, path.(N+1).bak after path.N.bak. Path in UTF-8.
std::string nextBackupName(const std::string &path);

// The name after this one, should another program take it first.
std::string backupNameAfter(const std::string &path, const std::string &taken);

} // namespace bitloom::files
