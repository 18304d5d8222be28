// The buffer the article syntax merges an article into (lexicon/
// ArticleDictionaryForm.h, ArticleMerge.cpp): a growing run of characters,
// always terminated, with the few operations of std::string that merging
// uses. An article is written in dozens of short pieces; appending here is
// inline, where each std::string append is a call into the run-time library.
// Internal to the engine.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>

class ArticleTextBuffer {
 public:
  ArticleTextBuffer() = default;
  ArticleTextBuffer(const ArticleTextBuffer&) = delete;
  ArticleTextBuffer& operator=(const ArticleTextBuffer&) = delete;

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  char* data() { return chars_ ? chars_.get() : empty_; }
  const char* data() const { return chars_ ? chars_.get() : empty_; }
  const char* c_str() const { return data(); }
  char* begin() { return data(); }
  char* end() { return data() + size_; }
  char operator[](size_t pos) const { return data()[pos]; }
  char back() const { return data()[size_ - 1]; }

  void reserve(size_t capacity) {
    if (capacity > capacity_) Grow(capacity);
  }
  void clear() { resize(0); }
  // Cuts the text to `length` characters; a longer length changes nothing.
  void resize(size_t length) {
    if (length >= size_) return;
    size_ = length;
    data()[size_] = '\0';
  }

  void append(const char* chars, size_t count) {
    if (size_ + count > capacity_) Grow(size_ + count);
    std::memcpy(chars_.get() + size_, chars, count);
    size_ += count;
    chars_[size_] = '\0';
  }
  // The same, for characters with `readable` bytes behind them that may be
  // read too. A short text is moved as one fixed-size block, with no branch
  // on its length: copies of small varying lengths spend their time
  // choosing a way to copy.
  void append(const char* chars, size_t count, size_t readable) {
    if (count > kBlock || count + readable < kBlock) return append(chars, count);
    if (size_ + kBlock > capacity_) Grow(size_ + kBlock);
    std::memcpy(chars_.get() + size_, chars, kBlock);
    size_ += count;
    chars_[size_] = '\0';
  }
  ArticleTextBuffer& operator+=(const char* text) {
    append(text, std::strlen(text));
    return *this;
  }
  ArticleTextBuffer& operator+=(char ch) {
    append(&ch, 1);
    return *this;
  }
  void insert(size_t pos, const char* chars, size_t count) {
    if (count == 0) return;
    if (size_ + count > capacity_) Grow(size_ + count);
    char* at = chars_.get() + pos;
    std::memmove(at + count, at, size_ - pos + 1);  // with the terminator
    std::memcpy(at, chars, count);
    size_ += count;
  }
  void insert(size_t pos, const char* text) { insert(pos, text, std::strlen(text)); }

  // Whether the text ends with `tail`.
  bool EndsWith(const char* tail) const {
    const size_t length = std::strlen(tail);
    return size_ >= length && std::memcmp(data() + size_ - length, tail, length) == 0;
  }

 private:
  static constexpr size_t kBlock = 32;

  // Room for `needed` characters and the terminator, doubling at least.
  void Grow(size_t needed) {
    size_t capacity = capacity_ < 64 ? 64 : capacity_ * 2;
    if (capacity < needed) capacity = needed;
    std::unique_ptr<char[]> grown(new char[capacity + 1]);
    std::memcpy(grown.get(), data(), size_ + 1);
    chars_ = std::move(grown);
    capacity_ = capacity;
  }

  std::unique_ptr<char[]> chars_;
  size_t size_ = 0;
  size_t capacity_ = 0;
  char empty_[1] = {'\0'};
};
