#include "resources/version_info.h"

#include "resources/byte_reader.h"

#include <algorithm>
#include <functional>

namespace ce {
namespace {

constexpr DWORD fixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t fixedInfoSize = 13 * sizeof(DWORD);
constexpr WORD textValueType = 1;

std::string narrow(const std::u16string& text) {
    std::string result;
    for (char16_t unit : text) result.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return result;
}

// One node of the version tree: wLength, wValueLength, wType, szKey, then
// the value and the children, each DWORD-aligned from the resource start.
struct Node {
    std::u16string key;
    WORD valueLength = 0;
    WORD type = 0;
    std::size_t valueOffset = 0;  // from the resource start
    std::size_t end = 0;          // one past the node's last byte
};

class VersionParser {
public:
    VersionParser(const void* data, std::size_t size, std::string* error)
        : base_(static_cast<const BYTE*>(data)), size_(size), error_(error) {}

    std::optional<VersionInfo> parse() {
        Node root;
        if (!readNode(0, size_, "the version block", root)) return std::nullopt;
        if (root.key != u"VS_VERSION_INFO") {
            fail("the root block is not VS_VERSION_INFO");
            return std::nullopt;
        }
        VersionInfo info;
        std::size_t childrenStart = root.valueOffset;
        if (root.valueLength != 0) {
            if (root.valueLength < fixedInfoSize || root.valueLength > root.end - root.valueOffset) {
                fail("the fixed file information is cut short");
                return std::nullopt;
            }
            if (!readFixedInfo(root.valueOffset, info)) return std::nullopt;
            childrenStart = alignUp(root.valueOffset + root.valueLength);
        }
        bool childrenRead = forEachChild(childrenStart, root.end, "VS_VERSION_INFO", [&](const Node& child) {
            if (child.key == u"StringFileInfo") return readStringFileInfo(child, info);
            if (child.key == u"VarFileInfo") return readVarFileInfo(child, info);
            return true;  // other blocks carry nothing we keep
        });
        if (!childrenRead) return std::nullopt;
        return info;
    }

private:
    bool readFixedInfo(std::size_t offset, VersionInfo& info) {
        ByteReader reader(base_ + offset, fixedInfoSize);
        DWORD signature = 0;
        reader.readDword(signature);
        if (signature != fixedInfoSignature) return fail("the fixed file information has the wrong signature");
        for (DWORD* field : {&info.structureVersion, &info.fileVersionMS, &info.fileVersionLS, &info.productVersionMS,
                             &info.productVersionLS, &info.fileFlagsMask, &info.fileFlags, &info.fileOS,
                             &info.fileType, &info.fileSubtype, &info.fileDateMS, &info.fileDateLS})
            reader.readDword(*field);
        return true;
    }

    bool readStringFileInfo(const Node& node, VersionInfo& info) {
        return forEachChild(node.valueOffset, node.end, "StringFileInfo", [&](const Node& table) {
            auto& strings = info.strings[table.key];
            return forEachChild(table.valueOffset, table.end, narrow(table.key), [&](const Node& entry) {
                strings[entry.key] = textValue(entry);
                return true;
            });
        });
    }

    bool readVarFileInfo(const Node& node, VersionInfo& info) {
        return forEachChild(node.valueOffset, node.end, "VarFileInfo", [&](const Node& variable) {
            if (variable.key != u"Translation") return true;
            if (variable.valueLength > variable.end - variable.valueOffset)
                return fail("the Translation value runs past its block");
            ByteReader reader(base_ + variable.valueOffset, variable.valueLength);
            WORD language = 0, codePage = 0;
            while (reader.readWord(language) && reader.readWord(codePage)) info.translations.emplace_back(language, codePage);
            return true;
        });
    }

    // A text value: wValueLength characters (the terminator counted) up to
    // the node's end; a NUL ends it early.
    std::u16string textValue(const Node& node) const {
        std::size_t bytes = node.type == textValueType ? std::size_t{node.valueLength} * 2 : node.valueLength;
        ByteReader reader(base_ + node.valueOffset, std::min(bytes, node.end - node.valueOffset));
        std::u16string text;
        WORD unit = 0;
        while (reader.readWord(unit) && unit != 0) text.push_back(static_cast<char16_t>(unit));
        return text;
    }

    bool forEachChild(std::size_t start, std::size_t end, const std::string& parent,
                      const std::function<bool(const Node&)>& visit) {
        std::size_t offset = alignUp(start);
        while (offset < end) {
            Node child;
            if (!readNode(offset, end, "a block inside " + parent, child) || !visit(child)) return false;
            offset = alignUp(child.end);
        }
        return true;
    }

    bool readNode(std::size_t offset, std::size_t limit, const std::string& what, Node& node) {
        if (offset > limit) return fail(what + " starts past the end of its parent");
        ByteReader reader(base_ + offset, limit - offset);
        WORD length = 0;
        if (!reader.readWord(length) || !reader.readWord(node.valueLength) || !reader.readWord(node.type))
            return fail(what + " is cut short");
        if (length > limit - offset) return fail(what + " runs past the end of its parent");
        ByteReader inside(base_ + offset, length);
        if (!inside.skip(3 * sizeof(WORD))) return fail(what + " is shorter than its own header");
        if (!inside.readString(node.key)) return fail(what + " has a key that is cut short");
        node.end = offset + length;
        node.valueOffset = std::min(alignUp(offset + inside.offset()), node.end);
        return true;
    }

    static std::size_t alignUp(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

    bool fail(const std::string& what) {
        if (error_) *error_ = "version resource: " + what;
        return false;
    }

    const BYTE* base_;
    std::size_t size_;
    std::string* error_;
};

}  // namespace

std::optional<VersionInfo> parseVersionResource(const void* data, std::size_t size, std::string* error) {
    if (data == nullptr) size = 0;
    return VersionParser(data, size, error).parse();
}

}  // namespace ce
