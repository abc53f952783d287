// JSON printing, parsing and dot-path lookup for the state dump and expectations.
#include "util/json.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "util/utf8.h"

namespace vt {

void Json::Set(std::string key, Json v) {
  for (auto& [k, existing] : AsObject()) {
    if (k == key) {
      existing = std::move(v);
      return;
    }
  }
  AsObject().emplace_back(std::move(key), std::move(v));
}

const Json* Json::Find(std::string_view key) const {
  if (!IsObject()) return nullptr;
  for (const auto& [k, v] : AsObject())
    if (k == key) return &v;
  return nullptr;
}

const Json* Json::AtPath(std::string_view path) const {
  const Json* node = this;
  while (node && !path.empty()) {
    // Keys may hold dots only inside parentheses ("Label1(0)"), so split on
    // the first dot that is not inside them.
    std::size_t end = 0;
    int depth = 0;
    while (end < path.size() && (path[end] != '.' || depth > 0)) {
      if (path[end] == '(') ++depth;
      if (path[end] == ')' && depth > 0) --depth;
      ++end;
    }
    const std::string_view part = path.substr(0, end);
    path = end < path.size() ? path.substr(end + 1) : std::string_view{};
    if (node->IsArray()) {
      const auto& items = node->AsArray();
      if (part == "last") {
        node = items.empty() ? nullptr : &items.back();
        continue;
      }
      std::size_t index = 0;
      auto [p, ec] = std::from_chars(part.data(), part.data() + part.size(), index);
      node = (ec == std::errc() && p == part.data() + part.size() && index < items.size())
                 ? &items[index]
                 : nullptr;
    } else {
      node = node->Find(part);
    }
  }
  return node;
}

namespace {

void DumpString(std::string& out, const std::string& s) {
  out += '"';
  for (unsigned char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
}

}  // namespace

void Json::DumpTo(std::string& out) const {
  if (IsNull()) {
    out += "null";
  } else if (IsBool()) {
    out += AsBool() ? "true" : "false";
  } else if (IsNumber()) {
    const double d = AsNumber();
    char buf[32];
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15) {
      std::snprintf(buf, sizeof buf, "%.0f", d);
    } else if (std::isfinite(d)) {
      std::snprintf(buf, sizeof buf, "%.17g", d);
    } else {
      std::snprintf(buf, sizeof buf, "null");
    }
    out += buf;
  } else if (IsString()) {
    DumpString(out, AsString());
  } else if (IsArray()) {
    out += '[';
    bool first = true;
    for (const auto& v : AsArray()) {
      if (!first) out += ',';
      first = false;
      v.DumpTo(out);
    }
    out += ']';
  } else {
    out += '{';
    bool first = true;
    for (const auto& [k, v] : AsObject()) {
      if (!first) out += ',';
      first = false;
      DumpString(out, k);
      out += ':';
      v.DumpTo(out);
    }
    out += '}';
  }
}

std::string Json::Dump() const {
  std::string out;
  DumpTo(out);
  return out;
}

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<Json> ParseAll() {
    auto v = ParseValue(0);
    SkipSpace();
    if (!v || pos_ != text_.size()) return std::nullopt;
    return v;
  }

 private:
  static constexpr int kMaxDepth = 200;

  void SkipSpace() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  bool Consume(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  std::optional<Json> ParseValue(int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    SkipSpace();
    if (pos_ >= text_.size()) return std::nullopt;
    const char c = text_[pos_];
    if (c == '"') {
      auto s = ParseString();
      if (!s) return std::nullopt;
      return Json(std::move(*s));
    }
    if (c == '[') return ParseArray(depth);
    if (c == '{') return ParseObject(depth);
    if (Consume("true")) return Json(true);
    if (Consume("false")) return Json(false);
    if (Consume("null")) return Json();
    return ParseNumber();
  }

  std::optional<Json> ParseNumber() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '-' ||
            text_[pos_] == '+' || text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E'))
      ++pos_;
    if (pos_ == start) return std::nullopt;
    double d = 0;
    auto [p, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, d);
    if (ec != std::errc() || p != text_.data() + pos_) return std::nullopt;
    return Json(d);
  }

  std::optional<std::string> ParseString() {
    ++pos_;  // opening quote
    std::string out;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) return std::nullopt;
      const char e = text_[pos_++];
      switch (e) {
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          if (pos_ + 4 > text_.size()) return std::nullopt;
          unsigned cp = 0;
          auto [p, ec] = std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, cp, 16);
          if (ec != std::errc() || p != text_.data() + pos_ + 4) return std::nullopt;
          pos_ += 4;
          AppendUtf8(out, cp);
          break;
        }
        default:
          out += e;
      }
    }
    return std::nullopt;
  }

  std::optional<Json> ParseArray(int depth) {
    ++pos_;
    Json result = Json::MakeArray();
    SkipSpace();
    if (Consume("]")) return result;
    while (true) {
      auto v = ParseValue(depth + 1);
      if (!v) return std::nullopt;
      result.Push(std::move(*v));
      SkipSpace();
      if (Consume("]")) return result;
      if (!Consume(",")) return std::nullopt;
    }
  }

  std::optional<Json> ParseObject(int depth) {
    ++pos_;
    Json result = Json::MakeObject();
    SkipSpace();
    if (Consume("}")) return result;
    while (true) {
      SkipSpace();
      if (pos_ >= text_.size() || text_[pos_] != '"') return std::nullopt;
      auto key = ParseString();
      if (!key) return std::nullopt;
      SkipSpace();
      if (!Consume(":")) return std::nullopt;
      auto v = ParseValue(depth + 1);
      if (!v) return std::nullopt;
      result.Set(std::move(*key), std::move(*v));
      SkipSpace();
      if (Consume("}")) return result;
      if (!Consume(",")) return std::nullopt;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<Json> Json::Parse(std::string_view text) { return Parser(text).ParseAll(); }

}  // namespace vt
