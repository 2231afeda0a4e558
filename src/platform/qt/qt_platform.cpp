#include "platform/qt/qt_platform.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "platform/codepage.h"

namespace quillet::qt {
namespace {

// Both directions of the code page as flat tables: the QString side of the program moves
// millions of characters at a time (the whole editor text), so no search per character.
struct Tables {
  std::array<char16_t, 256> toUnicode{};
  std::array<unsigned char, 65536> toByte{};
  std::array<bool, 65536> inCodePage{};
  Tables() {
    toByte.fill('?');
    for (int b = 0; b < 256; ++b) {
      const char16_t u = cp1251::ToUnicode(static_cast<unsigned char>(b));
      toUnicode[b] = u;
      toByte[u] = static_cast<unsigned char>(b);
      inCodePage[u] = true;
    }
  }
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

bool IsBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

QString AnsiToQString(std::string_view ansi, bool breaksToLf) {
  const auto& t = T().toUnicode;
  QString out(static_cast<qsizetype>(ansi.size()), Qt::Uninitialized);
  char16_t* dst = reinterpret_cast<char16_t*>(out.data());
  qsizetype n = 0;
  const size_t size = ansi.size();
  for (size_t i = 0; i < size; ++i) {
    const auto b = static_cast<unsigned char>(ansi[i]);
    if (breaksToLf && b == '\r') {
      dst[n++] = u'\n';
      if (i + 1 < size && ansi[i + 1] == '\n') ++i;
    } else {
      dst[n++] = t[b];
    }
  }
  out.truncate(n);
  return out;
}

std::string QStringToAnsi(QStringView text, bool breaksToCrLf) {
  const auto& t = T().toByte;
  const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype size = text.size();
  std::string out;
  out.reserve(static_cast<size_t>(size) + (breaksToCrLf ? static_cast<size_t>(size) / 16 : 0));
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = src[i];
    if (breaksToCrLf && IsBreak(c)) {
      out += "\r\n";
      if (c == u'\r' && i + 1 < size && src[i + 1] == u'\n') ++i;
    } else if (IsHighSurrogate(c) && i + 1 < size && IsLowSurrogate(src[i + 1])) {
      out += '?';
      ++i;
    } else {
      out += static_cast<char>(t[c]);
    }
  }
  return out;
}

std::string DocumentToAnsi(QStringView text) {
  const auto& t = T().toByte;
  const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype size = text.size();
  qsizetype breaks = 0;
  for (qsizetype i = 0; i < size; ++i) breaks += src[i] == 0x2029;
  std::string out(static_cast<size_t>(size + breaks), '\0');
  char* dst = out.data();
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = src[i];
    if (c == 0x2029) {
      *dst++ = '\r';
      *dst++ = '\n';
    } else {
      *dst++ = static_cast<char>(t[c]);
    }
  }
  return out;
}

bool IsEditorChar(char16_t c) {
  return T().inCodePage[c] && c != u'\r';
}

bool NeedsCleaning(QStringView text) {
  const auto& ok = T().inCodePage;
  const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (!ok[p[i]] || p[i] == u'\r') return true;
  }
  return false;
}

QString CleanEditorText(const QString& text) {
  if (!NeedsCleaning(text)) return text;
  const auto& ok = T().inCodePage;
  const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype size = text.size();
  QString out(size, Qt::Uninitialized);
  char16_t* dst = reinterpret_cast<char16_t*>(out.data());
  qsizetype n = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t c = src[i];
    if (IsBreak(c)) {
      dst[n++] = u'\n';
      if (c == u'\r' && i + 1 < size && src[i + 1] == u'\n') ++i;
    } else if (IsHighSurrogate(c) && i + 1 < size && IsLowSurrogate(src[i + 1])) {
      dst[n++] = u'?';
      ++i;
    } else {
      dst[n++] = ok[c] ? c : u'?';
    }
  }
  out.truncate(n);
  return out;
}

bool HasForeignChars(QStringView text) {
  const auto& ok = T().inCodePage;
  const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (!ok[p[i]]) return true;
  }
  return false;
}

QString ReplaceForeignChars(const QString& text) {
  if (!HasForeignChars(text)) return text;
  const auto& ok = T().inCodePage;
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text.at(i + 1).unicode())) {
      out += u'?';
      ++i;
    } else {
      out += ok[c] ? QChar(c) : QChar(u'?');
    }
  }
  return out;
}

QColor ColorFromValue(uint32_t value, const QPalette& palette) {
  if ((value & 0x80000000u) == 0) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
  }
  using R = QPalette::ColorRole;
  switch (value & 0xFF) {
    case 0: return palette.color(R::Button);             // scroll bar
    case 1: return palette.color(R::Window);             // desktop
    case 2: case 13: case 27: case 29:                   // captions, selection, menu highlight
      return palette.color(R::Highlight);
    case 3: case 12: case 28: return palette.color(R::Mid);
    case 4: case 10: case 11: case 30: return palette.color(R::Window);  // menu, borders, menu bar
    case 5: return palette.color(R::Base);               // window
    case 6: case 21: return palette.color(R::Shadow);    // frame, dark 3-D shadow
    case 7: return palette.color(R::WindowText);         // menu text
    case 8: return palette.color(R::Text);               // window text
    case 9: case 14: return palette.color(R::HighlightedText);
    case 15: return palette.color(R::Button);            // button face
    case 16: return palette.color(R::Dark);              // button shadow
    case 17: return palette.color(QPalette::Disabled, R::Text);  // grey text
    case 18: return palette.color(R::ButtonText);
    case 19: return palette.color(QPalette::Disabled, R::WindowText);
    case 20: return palette.color(R::Light);
    case 22: return palette.color(R::Midlight);
    case 23: return palette.color(R::ToolTipText);
    case 24: return palette.color(R::ToolTipBase);
    case 26: return palette.color(R::Link);
    default: return QColor(Qt::black);  // the platform answers black for an unknown index
  }
}

void RegisterFontSubstitutes() {
  static const bool done = [] {
    QFont::insertSubstitutions("Lucida Console",
                               {"DejaVu Sans Mono", "Liberation Mono", "Monospace"});
    QFont::insertSubstitutions("Courier New", {"DejaVu Sans Mono", "Liberation Mono", "Monospace"});
    QFont::insertSubstitutions("MS Sans Serif", {"DejaVu Sans", "Liberation Sans", "Sans Serif"});
    return true;
  }();
  (void)done;
}

QFont FontFromLook(const TextLook& look, const QFont& base) {
  RegisterFontSubstitutes();
  // Sizes beyond what a font dialog offers are cut; a zero leaves the base size.
  constexpr int kMaxPixels = 2000;
  constexpr int kMaxPoints = 1638;
  QFont font = base;
  if (!look.fontName.empty()) font.setFamily(QString::fromUtf8(look.fontName));
  // A negative height is the character height in pixels, a positive one the cell height.
  if (look.height != 0) {
    const int64_t px = look.height < 0 ? -static_cast<int64_t>(look.height) : look.height;
    font.setPixelSize(static_cast<int>(std::min<int64_t>(px, kMaxPixels)));
  }
  // The size is set after the height and so wins when both are given.
  if (look.size > 0) {
    font.setPointSize(std::min(look.size, kMaxPoints));
  } else if (look.size < 0) {
    font.setPixelSize(static_cast<int>(std::min<int64_t>(-static_cast<int64_t>(look.size), kMaxPixels)));
  }
  font.setBold((look.style & kStyleBold) != 0);
  font.setItalic((look.style & kStyleItalic) != 0);
  font.setUnderline((look.style & kStyleUnderline) != 0);
  font.setStrikeOut((look.style & kStyleStrikeOut) != 0);
  // Pitch 1 is variable, 2 fixed; 0 leaves the font's own.
  if (look.pitch == 2) {
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
  } else if (look.pitch == 1) {
    font.setFixedPitch(false);
  }
  return font;
}

void ReadLookFromFont(const QFont& font, double dpi, TextLook& look) {
  if (dpi <= 0) dpi = 96;
  look.fontName = font.family().toStdString();
  if (font.pointSize() > 0) {
    look.size = font.pointSize();
    look.height = -static_cast<int32_t>(std::lround(font.pointSizeF() * dpi / 72.0));
  } else {
    const int px = std::max(font.pixelSize(), 1);
    look.height = -px;
    look.size = std::max(1, static_cast<int32_t>(std::lround(px * 72.0 / dpi)));
  }
  look.pitch = font.fixedPitch() ? 2 : 0;
  uint8_t style = 0;
  if (font.bold()) style |= kStyleBold;
  if (font.italic()) style |= kStyleItalic;
  if (font.underline()) style |= kStyleUnderline;
  if (font.strikeOut()) style |= kStyleStrikeOut;
  look.style = style;
}

void ApplyLookColors(const TextLook& look, const QPalette& systemPalette, QPalette& palette) {
  const QColor back = ColorFromValue(look.backColor, systemPalette);
  const QColor text = ColorFromValue(look.fontColor, systemPalette);
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, back);
    palette.setColor(group, QPalette::Text, text);
    palette.setColor(group, QPalette::Highlight, systemPalette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(group, QPalette::HighlightedText,
                     systemPalette.color(QPalette::Active, QPalette::HighlightedText));
  }
}

}  // namespace quillet::qt
