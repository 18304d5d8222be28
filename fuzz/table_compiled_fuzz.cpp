// Fuzzes the compiled-file readers of the table language: the input is read
// as a single table and as a table set. Whatever a reader accepts must write
// back to exactly the bytes it read.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "base/CVal.h"
#include "base/CVars.h"
#include "base/MCFile.h"
#include "fuzz/fuzz_scratch_dir.h"

namespace {

// The bytes of a file, or "" when it cannot be read.
std::string Contents(const std::string& path) {
  MCFile file;
  if (!file.Open(path.c_str(), 0x8020)) return std::string();
  std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
  if (!bytes.empty() && file.Read(&bytes[0], static_cast<unsigned>(bytes.size())) != bytes.size()) {
    __builtin_trap();
  }
  return bytes;
}

// Reads the input with document.Read; when accepted, checks that Write gives
// back the bytes read.
template <typename Document>
void CheckRoundTrip(const FuzzScratchDir& dir, const std::uint8_t* data) {
  Document document;
  MCFile in;
  if (!in.Open(dir.Path("table.dat").c_str(), 0x8020)) return;
  if (!document.Read(in)) return;
  const long consumed = in.GetPosition();
  in.Close();
  {
    MCFile out(dir.Path("again.dat").c_str(), 0x9001);
    if (!document.Write(out)) __builtin_trap();
  }
  const std::string written = Contents(dir.Path("again.dat"));
  if (written.size() != static_cast<size_t>(consumed) ||
      std::memcmp(written.data(), data, written.size()) != 0) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  if (!dir.Write("table.dat", data, size)) return 0;
  CheckRoundTrip<CVars>(dir, data);
  CheckRoundTrip<CVal>(dir, data);
  // Open takes the same file whole, and falls back to a missing source.
  CVal set;
  set.Open(dir.Path("table.dat").c_str());
  set.GetValueStr(set.GetNameToValueId(0), 0);
  return 0;
}
