#include "catalogue/CategoryWordTrie.h"

namespace tvn {
namespace {

std::uint64_t edge(std::int32_t node, QChar letter) {
    return (static_cast<std::uint64_t>(node) << 16) | letter.unicode();
}

} // namespace

void CategoryWordTrie::add(QStringView word, bool isStart, CategoryMask categories) {
    std::int32_t node = 0;
    for (QChar letter : word) {
        const auto [child, added] =
            children_.try_emplace(edge(node, letter), static_cast<std::int32_t>(nodes_.size()));
        if (added)
            nodes_.emplace_back();
        node = child->second;
    }
    Node& last = nodes_[static_cast<size_t>(node)];
    (isStart ? last.starts : last.whole) |= categories;
}

CategoryWordTrie::CategoryMask CategoryWordTrie::hits(QStringView word, qsizetype shortest) const {
    CategoryMask found = 0;
    std::int32_t node = 0;
    for (qsizetype length = 1; length <= word.size(); ++length) {
        const auto child = children_.find(edge(node, word[length - 1]));
        if (child == children_.end())
            return found;
        node = child->second;
        if (length >= shortest)
            found |= nodes_[static_cast<size_t>(node)].starts;
    }
    return found | nodes_[static_cast<size_t>(node)].whole;
}

} // namespace tvn
