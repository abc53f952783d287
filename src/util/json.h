// A small JSON value: built by the state dump, parsed from expectations, printed.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vt {

class Json {
 public:
  using Array = std::vector<Json>;
  // Keys keep their insertion order, so dumps read in a stable, natural order.
  using Object = std::vector<std::pair<std::string, Json>>;

  Json() = default;  // null
  Json(std::nullptr_t) {}
  Json(bool b) : value_(b) {}
  Json(int n) : value_(static_cast<double>(n)) {}
  Json(unsigned n) : value_(static_cast<double>(n)) {}
  Json(long n) : value_(static_cast<double>(n)) {}
  Json(long long n) : value_(static_cast<double>(n)) {}
  Json(unsigned long n) : value_(static_cast<double>(n)) {}
  Json(double d) : value_(d) {}
  Json(const char* s) : value_(std::string(s)) {}
  Json(std::string s) : value_(std::move(s)) {}
  Json(std::string_view s) : value_(std::string(s)) {}
  Json(Array a) : value_(std::move(a)) {}
  Json(Object o) : value_(std::move(o)) {}

  static Json MakeArray() { return Json(Array{}); }
  static Json MakeObject() { return Json(Object{}); }

  bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
  bool IsBool() const { return std::holds_alternative<bool>(value_); }
  bool IsNumber() const { return std::holds_alternative<double>(value_); }
  bool IsString() const { return std::holds_alternative<std::string>(value_); }
  bool IsArray() const { return std::holds_alternative<Array>(value_); }
  bool IsObject() const { return std::holds_alternative<Object>(value_); }

  bool AsBool() const { return std::get<bool>(value_); }
  double AsNumber() const { return std::get<double>(value_); }
  const std::string& AsString() const { return std::get<std::string>(value_); }
  const Array& AsArray() const { return std::get<Array>(value_); }
  Array& AsArray() { return std::get<Array>(value_); }
  const Object& AsObject() const { return std::get<Object>(value_); }
  Object& AsObject() { return std::get<Object>(value_); }

  // Arrays: append. Objects: add or replace a key.
  void Push(Json v) { AsArray().push_back(std::move(v)); }
  void Set(std::string key, Json v);
  // Object member or nullptr.
  const Json* Find(std::string_view key) const;

  // A dot path: object keys and array indices ("world.StoryFlags.189").
  // `last` names an array's last element. nullptr when the path leads nowhere.
  const Json* AtPath(std::string_view path) const;

  std::string Dump() const;
  static std::optional<Json> Parse(std::string_view text);

  friend bool operator==(const Json& a, const Json& b) { return a.value_ == b.value_; }

 private:
  void DumpTo(std::string& out) const;
  std::variant<std::monostate, bool, double, std::string, Array, Object> value_;
};

}  // namespace vt
