#include "framework/base/form_reader.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vt {

namespace {

// Deep nesting would only come from a broken or hostile description; keep the recursion bounded.
constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    TObjectDesc ParseRoot()
    {
        SkipBlanks();
        TObjectDesc root = ParseObject(0);
        SkipBlanks();
        if (pos_ < s_.size())
            Fail("text after the end of the root object");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EParserError(Format("Line %d: %s", line_, what.c_str()));
    }

    bool AtEnd() const { return pos_ >= s_.size(); }
    char Peek() const { return AtEnd() ? '\0' : s_[pos_]; }

    void SkipBlanks()
    {
        while (!AtEnd()) {
            char c = s_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
                while (!AtEnd() && s_[pos_] != '\n')
                    ++pos_;
            } else {
                break;
            }
        }
    }

    static bool IdentStart(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    }
    static bool IdentChar(char c) { return IdentStart(c) || (c >= '0' && c <= '9'); }

    // An identifier, optionally dotted (Font.Name).
    std::string Ident(bool dotted)
    {
        SkipBlanks();
        if (!IdentStart(Peek()))
            Fail("identifier expected");
        size_t start = pos_;
        for (;;) {
            while (!AtEnd() && IdentChar(s_[pos_]))
                ++pos_;
            if (dotted && Peek() == '.' && pos_ + 1 < s_.size() && IdentStart(s_[pos_ + 1])) {
                ++pos_;
                continue;
            }
            break;
        }
        return std::string(s_.substr(start, pos_ - start));
    }

    void Expect(char c)
    {
        SkipBlanks();
        if (Peek() != c)
            Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    bool KeywordAhead(const char* word)
    {
        SkipBlanks();
        size_t n = std::char_traits<char>::length(word);
        if (s_.size() - pos_ < n || !SameText(Utf8ToWide(s_.substr(pos_, n)), Utf8ToWide(word)))
            return false;
        return pos_ + n == s_.size() || !IdentChar(s_[pos_ + n]);
    }

    TObjectDesc ParseObject(int depth)
    {
        if (depth > kMaxDepth)
            Fail("objects nested too deeply");
        if (!KeywordAhead("object"))
            Fail("'object' expected");
        pos_ += 6;
        TObjectDesc obj;
        obj.Line = line_;
        obj.Name = Utf8ToWide(Ident(false));
        Expect(':');
        obj.ClassName = Utf8ToWide(Ident(false));
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'end' expected");
            if (KeywordAhead("end")) {
                pos_ += 3;
                return obj;
            }
            if (KeywordAhead("object")) {
                obj.Children.push_back(ParseObject(depth + 1));
                continue;
            }
            obj.Props.push_back(ParseProperty(depth));
        }
    }

    TPropDesc ParseProperty(int depth)
    {
        TPropDesc p;
        p.Name = Utf8ToWide(Ident(true));
        p.Line = line_;
        Expect('=');
        p.Value = ParseValue(depth);
        return p;
    }

    TPropValue ParseValue(int depth)
    {
        if (depth > kMaxDepth)
            Fail("values nested too deeply");
        SkipBlanks();
        char c = Peek();
        TPropValue v;
        if (c == '\'' || c == '#') {
            v.Kind = TValueKind::vkString;
            v.Str = ParseString();
        } else if (c == '-' || c == '+' || c == '$' || (c >= '0' && c <= '9')) {
            ParseNumber(v);
        } else if (c == '[') {
            ++pos_;
            v.Kind = TValueKind::vkSet;
            SkipBlanks();
            if (Peek() != ']') {
                for (;;) {
                    v.Set.push_back(Utf8ToWide(Ident(false)));
                    SkipBlanks();
                    if (Peek() == ',') {
                        ++pos_;
                        continue;
                    }
                    break;
                }
            }
            Expect(']');
        } else if (c == '{') {
            ++pos_;
            v.Kind = TValueKind::vkBinary;
            ParseHex(v.Bytes);
        } else if (c == '(') {
            ++pos_;
            v.Kind = TValueKind::vkList;
            for (;;) {
                SkipBlanks();
                if (Peek() == ')') {
                    ++pos_;
                    break;
                }
                if (AtEnd())
                    Fail("')' expected");
                v.List.push_back(ParseValue(depth + 1));
            }
        } else if (c == '<') {
            ++pos_;
            v.Kind = TValueKind::vkCollection;
            for (;;) {
                SkipBlanks();
                if (Peek() == '>') {
                    ++pos_;
                    break;
                }
                if (!KeywordAhead("item"))
                    Fail("'item' expected");
                pos_ += 4;
                std::vector<TPropDesc> props;
                for (;;) {
                    SkipBlanks();
                    if (AtEnd())
                        Fail("'end' expected");
                    if (KeywordAhead("end")) {
                        pos_ += 3;
                        break;
                    }
                    props.push_back(ParseProperty(depth + 1));
                }
                v.Items.push_back(std::move(props));
            }
        } else if (IdentStart(c)) {
            v.Kind = TValueKind::vkIdent;
            v.Str = Utf8ToWide(Ident(true));
        } else {
            Fail("property value expected");
        }
        return v;
    }

    // 'text' pieces and #code characters, joined directly or with '+'.
    String ParseString()
    {
        std::string utf8;
        String out;
        auto flush = [&] {
            out += Utf8ToWide(utf8);
            utf8.clear();
        };
        for (;;) {
            char c = Peek();
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (AtEnd() || s_[pos_] == '\n')
                        Fail("unterminated string");
                    char d = s_[pos_++];
                    if (d == '\'') {
                        if (Peek() == '\'') {
                            utf8 += '\'';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    utf8 += d;
                }
            } else if (c == '#') {
                ++pos_;
                long code = 0;
                size_t digits = 0;
                while (!AtEnd() && s_[pos_] >= '0' && s_[pos_] <= '9' && digits < 8) {
                    code = code * 10 + (s_[pos_++] - '0');
                    ++digits;
                }
                if (digits == 0 || code > 0xFFFF)
                    Fail("bad character code");
                flush();
                out += static_cast<wchar_t>(code);
            } else {
                break;
            }
            // A '+' continues the string on the same or the next line.
            size_t save = pos_;
            int saveLine = line_;
            SkipBlanks();
            if (Peek() == '+') {
                ++pos_;
                SkipBlanks();
                if (Peek() != '\'' && Peek() != '#')
                    Fail("string expected after '+'");
            } else {
                pos_ = save;
                line_ = saveLine;
            }
        }
        flush();
        return out;
    }

    void ParseNumber(TPropValue& v)
    {
        size_t start = pos_;
        if (Peek() == '-' || Peek() == '+')
            ++pos_;
        if (Peek() == '$') {
            ++pos_;
            while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(s_[pos_])))
                ++pos_;
        } else {
            while (!AtEnd() && ((s_[pos_] >= '0' && s_[pos_] <= '9') || s_[pos_] == '.' ||
                                s_[pos_] == 'e' || s_[pos_] == 'E' ||
                                ((s_[pos_] == '-' || s_[pos_] == '+') &&
                                 (s_[pos_ - 1] == 'e' || s_[pos_ - 1] == 'E'))))
                ++pos_;
        }
        std::string text(s_.substr(start, pos_ - start));
        if (text.find_first_of(".eE") != std::string::npos && text.find('$') == std::string::npos) {
            char* end = nullptr;
            double d = std::strtod(text.c_str(), &end);
            if (end != text.c_str() + text.size() || !std::isfinite(d))
                Fail("bad number '" + text + "'");
            v.Kind = TValueKind::vkFloat;
            v.Float = d;
            return;
        }
        int32_t n = 0;
        if (!TryStrToInt(Utf8ToWide(text), n))
            Fail("bad number '" + text + "'");
        v.Kind = TValueKind::vkInteger;
        v.Int = n;
    }

    void ParseHex(std::vector<uint8_t>& out)
    {
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'}' expected");
            char c = s_[pos_++];
            if (c == '}')
                break;
            int nibble;
            if (c >= '0' && c <= '9')
                nibble = c - '0';
            else if (c >= 'A' && c <= 'F')
                nibble = c - 'A' + 10;
            else if (c >= 'a' && c <= 'f')
                nibble = c - 'a' + 10;
            else
                Fail("hex digit expected");
            if (high < 0) {
                high = nibble;
            } else {
                out.push_back(static_cast<uint8_t>(high << 4 | nibble));
                high = -1;
            }
        }
        if (high >= 0)
            Fail("odd number of hex digits");
    }

    std::string_view s_;
    size_t pos_ = 0;
    int line_ = 1;
};

[[noreturn]] void BadValue()
{
    throw EReadError(L"Invalid property value");
}

} // namespace

int32_t TPropValue::AsInteger() const
{
    if (Kind != TValueKind::vkInteger)
        BadValue();
    return static_cast<int32_t>(Int);
}

double TPropValue::AsFloat() const
{
    if (Kind == TValueKind::vkInteger)
        return static_cast<double>(Int);
    if (Kind != TValueKind::vkFloat)
        BadValue();
    return Float;
}

bool TPropValue::AsBoolean() const
{
    if (Kind == TValueKind::vkIdent) {
        if (SameText(Str, L"True"))
            return true;
        if (SameText(Str, L"False"))
            return false;
    }
    BadValue();
}

const String& TPropValue::AsString() const
{
    if (Kind != TValueKind::vkString)
        BadValue();
    return Str;
}

const String& TPropValue::AsIdent() const
{
    if (Kind != TValueKind::vkIdent)
        BadValue();
    return Str;
}

const std::vector<uint8_t>& TPropValue::AsBinary() const
{
    if (Kind != TValueKind::vkBinary)
        BadValue();
    return Bytes;
}

const std::vector<String>& TPropValue::AsSet() const
{
    if (Kind != TValueKind::vkSet)
        BadValue();
    return Set;
}

TObjectDesc ParseFormDescription(std::string_view text)
{
    // A UTF-8 byte-order mark is allowed.
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF)
        text.remove_prefix(3);
    return Parser(text).ParseRoot();
}

} // namespace vt
