// CStrLine: cuts a text into pieces at a breaker string, or at any character
// of a breaker set.
//
// The table language uses it for argument lists; the grammar and dictionary
// libraries for their own strings. A reading loop starts with GetFirst and
// calls GetNext until EndOfBuffer() is 1: an empty piece is a real piece
// ('a,,b' holds one), so a loop must not stop on "".
//
//   CStrLine lines(0);            // breaker CR LF
//   for (MCString piece = lines.GetFirst(text); !lines.EndOfBuffer();
//        piece = lines.GetNext()) { ... }
//
// A breaker at the very end of the text gives no empty last piece.
#pragma once

#include "base/BaseExport.h"
#include "base/MCObject.h"
#include "base/MCString.h"

class MBASE_API CStrLine : public MCObject {
 public:
  // Mode bits.
  enum : long {
    kBreakerIsSet = 1,  // the breaker is a set of single characters
    kKeepBreaker = 2,   // each piece keeps its breaker at its end
  };

  // A breaker of 0 means CR LF.
  explicit CStrLine(char breaker);
  ~CStrLine() override;

  void SetMode(long mode);
  // An empty breaker would match everywhere and never advance: it is refused
  // (returns 0, the breaker stays as it was). Returns 1 when taken.
  int SetBreaker(MCString breaker);

  // Starts on text and returns its first piece.
  MCString GetFirst(MCString text);
  // The next piece; "" with EndOfBuffer() 1 once no text is left.
  MCString GetNext();
  int EndOfBuffer() const { return atEnd_; }
  // The position just after the last breaker found (the text's length once
  // the last piece has been handed out).
  int GetIndex() const { return position_; }

 private:
  void UpdateStep();
  // Position of the next break at or after position_, or -1.
  int FindBreak() const;

  long mode_ = 0;
  MCString breaker_;
  int step_ = 1;
  MCString text_;
  int textLength_ = 0;
  MCString piece_;
  int atEnd_ = 0;
  int position_ = 0;
  int pieceStart_ = 0;
};
