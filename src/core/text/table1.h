#pragma once
// A table indexed from 1, as the program's examinee, item and option tables are:
// t[1] is the first entry. Index 0 is never valid.

#include <cassert>
#include <cstddef>
#include <vector>

namespace jrv {

template <class T>
class Table1 {
 public:
  Table1() = default;
  explicit Table1(std::size_t n, const T& value = T()) : v_(n, value) {}

  T& operator[](std::size_t i) {
    assert(i >= 1 && i <= v_.size());
    return v_[i - 1];
  }
  const T& operator[](std::size_t i) const {
    assert(i >= 1 && i <= v_.size());
    return v_[i - 1];
  }

  std::size_t size() const { return v_.size(); }
  void resize(std::size_t n, const T& value = T()) { v_.resize(n, value); }
  void assign(std::size_t n, const T& value) { v_.assign(n, value); }

  auto begin() { return v_.begin(); }
  auto end() { return v_.end(); }
  auto begin() const { return v_.begin(); }
  auto end() const { return v_.end(); }

  // The underlying storage, 0-based, for algorithms that want a span.
  std::vector<T>& raw() { return v_; }
  const std::vector<T>& raw() const { return v_; }

  bool operator==(const Table1&) const = default;

 private:
  std::vector<T> v_;
};

}  // namespace jrv
