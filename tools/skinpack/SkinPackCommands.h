// The skinpack command line, callable in-process:
//   pack SOURCE_DIR OUT_FILE    members named by SOURCE_DIR/members.txt, in its order
//   list SKIN_FILE              one line per member: name, size, WxHxbits for bitmaps
//   extract SKIN_FILE OUT_DIR   every member as a file, and the members.txt that packs them again
// Returns the process exit status: 0 done, 1 bad input or failure, 2 wrong usage.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

inline constexpr const char* SkinMemberListName = "members.txt";

int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
