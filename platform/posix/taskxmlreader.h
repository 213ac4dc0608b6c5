#pragma once

// Just enough XML for task files: elements, attributes, text, comments and the
// declaration; no DTD. Names lose their namespace prefix.

#include <map>
#include <string>
#include <vector>

namespace platform::xml {

struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;  // character data directly inside, entities resolved
    std::vector<Element> children;

    const Element* child(const std::string& childName) const;
};

// Refuses documents deeper than 32 levels or with more than 10000 elements.
bool parse(const std::string& text, Element& root, std::string& error);

}  // namespace platform::xml
