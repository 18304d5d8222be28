#include "base/DeltaCode.h"

#include "base/MCObject.h"

namespace {

constexpr int kMaxCodeValue = 35;
constexpr char kSameWord = '=';
constexpr char kSameWordMarked = '>';

// The value of a code character, or -1 when ch is none.
int CodeValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 10;
  return -1;
}

// value must lie within 0..kMaxCodeValue.
char CodeChar(int value) {
  return value < 10 ? static_cast<char>('0' + value) : static_cast<char>('A' + value - 10);
}

bool HoldsCodeChar(const MCString& text) {
  for (int i = 0; i < text.GetLength(); ++i) {
    if (CodeValue(text[i]) >= 0) return true;
  }
  return false;
}

int CommonPrefixLength(const MCString& a, const MCString& b) {
  int i = 0;
  while (i < a.GetLength() && i < b.GetLength() && a[i] == b[i]) ++i;
  return i;
}

// Would a command starting with ch be read as the word itself?
bool IsPlainWordStart(char ch) {
  return ch != kSameWord && ch != kSameWordMarked && CodeValue(ch) < 0;
}

MCString RefuseDrop() {
  MMessageBox("Error, Invalid NUM.", nullptr, 0);
  return MCString();
}

}  // namespace

MCString MakeCommandFromWord(MCString base, MCString word) {
  const int kept = CommonPrefixLength(base, word);
  const int dropped = base.GetLength() - kept;
  if (dropped > kMaxCodeValue) return RefuseDrop();
  MCString tail = word.Mid(kept);
  if (!HoldsCodeChar(tail)) {
    if (dropped == 0 && tail.IsEmpty()) return MCString(kSameWord, 1);
    return CodeChar(dropped) + tail;
  }
  // The tail would be misread as holding a second code character.
  if (IsPlainWordStart(word[0])) return word;
  // Drop `dropped` from the end, then all `kept` characters left from the
  // front, and put the whole word in front of the nothing that remains.
  if (kept > kMaxCodeValue) return RefuseDrop();
  MCString command(CodeChar(dropped), 1);
  command += CodeChar(kept);
  command += word;
  return command;
}

MCString MakeWordFromCommand(MCString base, MCString command) {
  int flag = 0;
  return MakeWordFromCommand(base, command, flag);
}

MCString MakeWordFromCommand(MCString base, MCString command, int& flag) {
  flag = 0;
  if (command.IsEmpty()) return MCString();
  if (command[0] == kSameWord) return base;
  if (command[0] == kSameWordMarked) {
    flag = 1;
    return base;
  }
  const int endDrop = CodeValue(command[0]);
  if (endDrop < 0) return command;
  MCString word = base.Left(base.GetLength() - endDrop);
  for (int i = 1; i < command.GetLength(); ++i) {
    const int frontDrop = CodeValue(command[i]);
    if (frontDrop >= 0) return command.Mid(i + 1) + word.Mid(frontDrop);
    word += command[i];
  }
  return word;
}
