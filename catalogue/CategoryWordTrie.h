#pragma once

#include <cstdint>
#include <QStringView>
#include <unordered_map>
#include <vector>

namespace tvn {

// The category words and word starts ("chess", "photo*"), looked up letter by letter: one pass
// over a word finds every start it begins with and whether it is a category word whole. Every
// word of every shortcut's clues passes here, and a word that matches nothing again from each of
// its letters, in case it joins two ("brutalchess").
class CategoryWordTrie {
public:
    using CategoryMask = std::uint16_t;

    // `word` points to `categories` as a whole word, or as the start of words when `isStart`.
    void add(QStringView word, bool isStart, CategoryMask categories);
    // The categories `word` points to as a whole word and by the starts of at least `shortest`
    // letters it begins with.
    CategoryMask hits(QStringView word, qsizetype shortest) const;

private:
    struct Node {
        CategoryMask whole = 0;
        CategoryMask starts = 0;
    };
    std::vector<Node> nodes_{Node{}};
    // The node each letter leads to from a node, keyed by both.
    std::unordered_map<std::uint64_t, std::int32_t> children_;
};

} // namespace tvn
