#include "data/store/postgres/server_name.h"

#include <vector>

namespace dba::pg {

namespace {

struct NameParts {
  std::string_view head;      // scheme and "://"
  std::string_view user;      // user part before ":" (may be empty)
  std::string_view password;  // empty when none
  bool hasUserInfo = false;
  std::string_view rest;  // host, path (before "?")
  std::vector<std::string_view> parameters;
};

NameParts Split(std::string_view name) {
  NameParts parts;
  const std::size_t scheme = name.find("://");
  const std::size_t start = scheme == std::string_view::npos ? 0 : scheme + 3;
  parts.head = name.substr(0, start);
  const std::size_t query = name.find('?', start);
  const std::string_view main =
      name.substr(start, query == std::string_view::npos ? std::string_view::npos : query - start);
  const std::size_t authorityEnd = std::min(main.find('/'), main.size());
  const std::size_t at = main.substr(0, authorityEnd).rfind('@');
  if (at != std::string_view::npos) {
    parts.hasUserInfo = true;
    const std::string_view userInfo = main.substr(0, at);
    const std::size_t colon = userInfo.find(':');
    parts.user = userInfo.substr(0, colon);
    if (colon != std::string_view::npos) parts.password = userInfo.substr(colon + 1);
    parts.rest = main.substr(at + 1);
  } else {
    parts.rest = main;
  }
  if (query == std::string_view::npos) return parts;
  std::string_view parameters = name.substr(query + 1);
  while (!parameters.empty()) {
    const std::size_t amp = parameters.find('&');
    parts.parameters.push_back(parameters.substr(0, amp));
    parameters = amp == std::string_view::npos ? std::string_view() : parameters.substr(amp + 1);
  }
  return parts;
}

bool IsPasswordParameter(std::string_view parameter) {
  return parameter.substr(0, parameter.find('=')) == "password";
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

void ReplaceAll(std::string& text, std::string_view secret) {
  if (secret.empty()) return;
  for (std::size_t at = text.find(secret); at != std::string::npos; at = text.find(secret, at + 3))
    text.replace(at, secret.size(), "***");
}

}  // namespace

std::string WithoutPassword(std::string_view name) {
  const NameParts parts = Split(name);
  std::string out(parts.head);
  if (parts.hasUserInfo) out.append(parts.user).append("@");
  out.append(parts.rest);
  bool first = true;
  for (std::string_view parameter : parts.parameters) {
    if (IsPasswordParameter(parameter)) continue;
    out.append(first ? "?" : "&").append(parameter);
    first = false;
  }
  return out;
}

std::string ScrubPassword(std::string_view name, std::string message) {
  const NameParts parts = Split(name);
  std::vector<std::string_view> secrets{parts.password};
  for (std::string_view parameter : parts.parameters)
    if (IsPasswordParameter(parameter) && parameter.find('=') != std::string_view::npos)
      secrets.push_back(parameter.substr(parameter.find('=') + 1));
  for (std::string_view secret : secrets) {
    ReplaceAll(message, secret);
    ReplaceAll(message, PercentDecoded(secret));
  }
  return message;
}

}  // namespace dba::pg
