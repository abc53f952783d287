// Turns world variables into JSON under their own names, from the one table of the world.
#include "world_dump.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <type_traits>

#include "platform/text.h"
#include "world/world_table.h"

namespace vt {
namespace {

Json ToJson(bool flag) { return Json(flag); }
Json ToJson(const std::string& text) { return Json(Cp1252ToUtf8(text)); }
Json ToJson(Facing facing) { return Json(std::string(FacingName(facing))); }

template <typename T>
requires std::is_arithmetic_v<T> Json ToJson(T number) { return Json(static_cast<double>(number)); }

template <typename T, std::size_t N>
Json ToJson(const std::array<T, N>& items) {
  Json::Array out;
  out.reserve(N);
  for (const auto& item : items) out.push_back(ToJson(item));
  return Json(std::move(out));
}

// The first segment of a dotted path and the rest after its dot.
std::pair<std::string_view, std::string_view> Split(std::string_view path) {
  const std::size_t dot = path.find('.');
  if (dot == std::string_view::npos) return {path, {}};
  return {path.substr(0, dot), path.substr(dot + 1)};
}

template <typename T>
std::optional<Json> AtPath(const T& value, std::string_view path) {
  if (path.empty()) return ToJson(value);
  return std::nullopt;  // a single value has nothing inside
}

template <typename T, std::size_t N>
std::optional<Json> AtPath(const std::array<T, N>& items, std::string_view path) {
  if (path.empty()) return ToJson(items);
  const auto [first, rest] = Split(path);
  if (first == "last") return AtPath(items[N - 1], rest);
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), index);
  if (error != std::errc() || end != first.data() + first.size() || index >= N) return std::nullopt;
  return AtPath(items[index], rest);
}

}  // namespace

Json DumpWorld(const WorldState& w) {
  Json::Object out;
  out.reserve(96);
  ForEachWorldVariable(w, [&out](const WorldVariable& v, const auto& field) {
    out.emplace_back(std::string(v.name), ToJson(field));
  });
  return Json(std::move(out));
}

std::optional<Json> DumpWorldPath(const WorldState& w, std::string_view path) {
  const auto split = Split(path);
  const auto& name = split.first;
  const auto& rest = split.second;
  std::optional<Json> found;
  ForEachWorldVariable(w, [&](const WorldVariable& v, const auto& field) {
    if (v.name == name) found = AtPath(field, rest);
  });
  return found;
}

}  // namespace vt
