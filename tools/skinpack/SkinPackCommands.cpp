#include "SkinPackCommands.h"

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "BmpInfo.h"
#include "LzhEncoder.h"
#include "SkinArchiveWriter.h"
#include "SkinRead.h"

namespace fs = std::filesystem;

namespace {

// Failures of a command, reported as "skinpack: <what>".
struct TCommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr const char* Usage =
    "usage: skinpack pack SOURCE_DIR OUT_FILE\n"
    "       skinpack list SKIN_FILE\n"
    "       skinpack extract SKIN_FILE OUT_DIR\n";

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TCommandError(path.string() + ": cannot open");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw TCommandError(path.string() + ": cannot read");
  return bytes;
}

void WriteFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw TCommandError(path.string() + ": cannot write");
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A member name that stays inside the folder it is unpacked into.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

std::vector<std::string> ReadMemberList(const fs::path& dir) {
  const std::vector<std::uint8_t> bytes = ReadFile(dir / SkinMemberListName);
  std::vector<std::string> names;
  std::istringstream lines(std::string(bytes.begin(), bytes.end()));
  for (std::string line; std::getline(lines, line);) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    const auto last = line.find_last_not_of(" \t\r");
    names.push_back(line.substr(first, last - first + 1));
  }
  return names;
}

TSkinReader LoadSkin(const fs::path& file) {
  const std::vector<std::uint8_t> packed = ReadFile(file);
  TSkinReader reader([](const std::string&) {});
  if (!reader.LoadFromStream(packed))
    throw TCommandError(file.string() + ": not a skin file (unknown archive version, or damaged)");
  return reader;
}

int Pack(const fs::path& sourceDir, const fs::path& outFile, std::ostream& out) {
  const std::vector<std::string> names = ReadMemberList(sourceDir);
  if (names.empty()) throw TCommandError((sourceDir / SkinMemberListName).string() + ": no members listed");

  std::vector<TSkinMember> members;
  std::set<std::string> seen;
  bool hasDescription = false;
  for (const std::string& name : names) {
    if (!IsPlainFileName(name)) throw TCommandError(name + ": a member must be a file name without a folder");
    // Readers look members up in lower case: only the first of two such names could be read.
    if (!seen.insert(Lower(name)).second) throw TCommandError("duplicate member name: " + Lower(name));
    TSkinMember member{name, ReadFile(sourceDir / name)};
    const std::string lower = Lower(name);
    if (EndsWith(lower, ".bmp") && !ReadBmpInfo(member.Bytes))
      throw TCommandError((sourceDir / name).string() + ": not a BMP file");
    hasDescription = hasDescription || lower.find(".ini") != std::string::npos;
    members.push_back(std::move(member));
  }
  if (!hasDescription) throw TCommandError("no skin description (a member named *.ini) in the member list");

  std::vector<std::uint8_t> archive;
  try {
    archive = BuildSkinArchive(members);
  } catch (const std::invalid_argument& e) {
    throw TCommandError(e.what());
  }
  const std::vector<std::uint8_t> packed = LzhEncode(archive);
  WriteFile(outFile, packed);
  out << "packed " << members.size() << " members, " << archive.size() << " bytes into " << packed.size()
      << " bytes: " << outFile.string() << "\n";
  return 0;
}

int List(const fs::path& skinFile, std::ostream& out) {
  const TSkinReader reader = LoadSkin(skinFile);
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    out << std::left << std::setw(24) << name << std::right << std::setw(10) << reader.Sizes()[i];
    reader.ReadMember(name, bytes);
    if (EndsWith(name, ".bmp")) {
      if (const auto bmp = ReadBmpInfo(bytes))
        out << "  " << bmp->Width << "x" << bmp->Height << "x" << bmp->BitsPerPixel;
      else
        out << "  (not a BMP file)";
    }
    out << "\n";
  }
  return 0;
}

int Extract(const fs::path& skinFile, const fs::path& outDir, std::ostream& out, std::ostream& err) {
  const TSkinReader reader = LoadSkin(skinFile);
  std::error_code ec;
  fs::create_directories(outDir, ec);
  if (ec) throw TCommandError(outDir.string() + ": cannot create folder: " + ec.message());

  int status = 0;
  std::set<std::string> written;
  std::string memberList;
  std::vector<std::uint8_t> bytes;
  for (const std::string& name : reader.Names()) {
    if (!IsPlainFileName(name) || name == SkinMemberListName) {
      err << "skinpack: member \"" << name << "\" not extracted: not a plain file name\n";
      status = 1;
      continue;
    }
    if (!written.insert(name).second) {
      err << "skinpack: member \"" << name << "\" not extracted: an earlier member has the same name\n";
      status = 1;
      continue;
    }
    reader.ReadMember(name, bytes);
    WriteFile(outDir / name, bytes);
    memberList += name + "\n";
  }
  WriteFile(outDir / SkinMemberListName,
            std::span(reinterpret_cast<const std::uint8_t*>(memberList.data()), memberList.size()));
  out << "extracted " << written.size() << " of " << reader.Count() << " members into " << outDir.string() << "\n";
  return status;
}

}  // namespace

int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string command = args.empty() ? "" : args[0];
  const bool known = (command == "pack" && args.size() == 3) || (command == "list" && args.size() == 2) ||
                     (command == "extract" && args.size() == 3);
  if (!known) {
    err << Usage;
    return 2;
  }
  try {
    if (command == "pack") return Pack(args[1], args[2], out);
    if (command == "list") return List(args[1], out);
    return Extract(args[1], args[2], out, err);
  } catch (const std::exception& e) {
    err << "skinpack: " << e.what() << "\n";
    return 1;
  }
}
