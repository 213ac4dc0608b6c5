#include "taskxmlreader.h"

#include <cctype>
#include <cstdlib>

namespace platform::xml {

namespace {

constexpr int kMaxDepth = 32;
constexpr int kMaxElements = 10000;

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' ||
           c == ':' || static_cast<unsigned char>(c) >= 0x80;
}

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
}

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    bool document(Element& root, std::string& error) {
        if (s_.compare(0, 3, "\xef\xbb\xbf") == 0) {
            pos_ = 3;
        }
        if (!misc() || !at('<')) {
            return fail(error, "no root element");
        }
        if (!elementAt(root, 0)) {
            return fail(error, error_);
        }
        if (!misc() || pos_ != s_.size()) {
            return fail(error, "content after the root element");
        }
        return true;
    }

private:
    bool fail(std::string& error, const std::string& what) {
        error = what + " at offset " + std::to_string(pos_);
        return false;
    }
    bool stop(const std::string& what) {
        error_ = what;
        return false;
    }
    bool at(char c) const { return pos_ < s_.size() && s_[pos_] == c; }
    bool starts(const char* prefix) const {
        return s_.compare(pos_, std::char_traits<char>::length(prefix), prefix) == 0;
    }
    void blanks() {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) {
            ++pos_;
        }
    }
    bool skipPast(const char* marker) {
        const std::size_t found = s_.find(marker, pos_);
        if (found == std::string::npos) {
            return false;
        }
        pos_ = found + std::char_traits<char>::length(marker);
        return true;
    }
    // Declaration, comments, processing instructions and blanks between elements.
    bool misc() {
        for (;;) {
            blanks();
            if (starts("<?")) {
                if (!skipPast("?>"))
                    return false;
            } else if (starts("<!--")) {
                if (!skipPast("-->"))
                    return false;
            } else if (starts("<!")) {
                return false;
            } else {
                return true;
            }
        }
    }
    bool name(std::string& out) {
        const std::size_t begin = pos_;
        while (pos_ < s_.size() && isNameChar(s_[pos_])) {
            ++pos_;
        }
        out = s_.substr(begin, pos_ - begin);
        return !out.empty();
    }
    static std::string local(const std::string& qualified) {
        const std::size_t colon = qualified.find(':');
        return colon == std::string::npos ? qualified : qualified.substr(colon + 1);
    }
    bool entities(const std::string& raw, std::string& out) {
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                out += raw[i];
                continue;
            }
            const std::size_t semi = raw.find(';', i);
            if (semi == std::string::npos || semi - i > 10) {
                return stop("bad entity");
            }
            const std::string entity = raw.substr(i + 1, semi - i - 1);
            if (entity == "amp")
                out += '&';
            else if (entity == "lt")
                out += '<';
            else if (entity == "gt")
                out += '>';
            else if (entity == "quot")
                out += '"';
            else if (entity == "apos")
                out += '\'';
            else if (entity.size() > 1 && entity[0] == '#') {
                const bool hex = entity[1] == 'x';
                char* end = nullptr;
                const unsigned long code =
                    std::strtoul(entity.c_str() + (hex ? 2 : 1), &end, hex ? 16 : 10);
                if (*end != '\0' || code == 0 || code > 0x10ffff) {
                    return stop("bad character reference");
                }
                appendUtf8(out, code);
            } else {
                return stop("unknown entity &" + entity + ";");
            }
            i = semi;
        }
        return true;
    }
    bool elementAt(Element& element, int depth) {
        if (depth >= kMaxDepth)
            return stop("nested too deeply");
        if (++count_ > kMaxElements)
            return stop("too many elements");
        ++pos_;  // '<'
        std::string tag;
        if (!name(tag))
            return stop("expected an element name");
        element.name = local(tag);
        for (;;) {
            blanks();
            if (starts("/>")) {
                pos_ += 2;
                return true;
            }
            if (at('>')) {
                ++pos_;
                break;
            }
            std::string attribute;
            if (!name(attribute))
                return stop("expected an attribute");
            blanks();
            if (!at('='))
                return stop("expected '='");
            ++pos_;
            blanks();
            if (!at('"') && !at('\''))
                return stop("expected a quoted value");
            const char quote = s_[pos_++];
            const std::size_t close = s_.find(quote, pos_);
            if (close == std::string::npos)
                return stop("unterminated value");
            std::string value;
            if (!entities(s_.substr(pos_, close - pos_), value))
                return false;
            element.attributes[local(attribute)] = value;
            pos_ = close + 1;
        }
        for (;;) {
            const std::size_t next = s_.find('<', pos_);
            if (next == std::string::npos)
                return stop("unterminated element " + tag);
            if (!entities(s_.substr(pos_, next - pos_), element.text))
                return false;
            pos_ = next;
            if (starts("</")) {
                pos_ += 2;
                std::string closing;
                if (!name(closing) || closing != tag)
                    return stop("mismatched end of " + tag);
                blanks();
                if (!at('>'))
                    return stop("expected '>'");
                ++pos_;
                break;
            }
            if (starts("<!--")) {
                if (!skipPast("-->"))
                    return stop("unterminated comment");
            } else if (starts("<![CDATA[")) {
                pos_ += 9;
                const std::size_t close = s_.find("]]>", pos_);
                if (close == std::string::npos)
                    return stop("unterminated CDATA");
                element.text += s_.substr(pos_, close - pos_);
                pos_ = close + 3;
            } else if (starts("<?")) {
                if (!skipPast("?>"))
                    return stop("unterminated instruction");
            } else {
                element.children.emplace_back();
                if (!elementAt(element.children.back(), depth + 1))
                    return false;
            }
        }
        // Text around child elements is layout; keep the text of leaves only.
        if (!element.children.empty()) {
            element.text.clear();
        } else {
            const std::size_t first = element.text.find_first_not_of(" \t\r\n");
            const std::size_t last = element.text.find_last_not_of(" \t\r\n");
            element.text = first == std::string::npos
                               ? std::string()
                               : element.text.substr(first, last - first + 1);
        }
        return true;
    }

    const std::string& s_;
    std::size_t pos_ = 0;
    int count_ = 0;
    std::string error_;
};

}  // namespace

const Element* Element::child(const std::string& childName) const {
    for (const Element& element : children) {
        if (element.name == childName) {
            return &element;
        }
    }
    return nullptr;
}

bool parse(const std::string& text, Element& root, std::string& error) {
    root = Element();
    return Parser(text).document(root, error);
}

}  // namespace platform::xml
