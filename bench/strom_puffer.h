#pragma once
// The streams the end-to-end benchmarks hand to the commands: the input
// text read in place, the output kept nowhere.

#include <streambuf>
#include <string>

namespace {

// An output that keeps nothing: the measurement is the program's, not the
// growth of a string.
class TNullPuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The CSV text as the stream the program reads, without a copy per run.
class TLesePuffer : public std::streambuf {
 public:
  explicit TLesePuffer(const std::string& text) {
    char* p = const_cast<char*>(text.data());
    setg(p, p, p + text.size());
  }
};

}  // namespace
