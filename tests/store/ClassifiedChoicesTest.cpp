#include "store/ClassifiedChoices.h"

#include "StoreWorld.h"

namespace tvn::test {
namespace {

int suggested(const CategorySuggester& suggester, const char* name, const char* folders) {
    return suggester.suggest({QString::fromUtf8(name), QString::fromUtf8(folders), {}, {}})
        .category;
}

// The categories of the copies in one Start Menu teach the suggestion of their programs and
// vendors there, and of their programs in the next Start Menu the program works on.
TEST(ClassifiedChoices, ACopysCategoryIsSuggestedForItsVendorAndItsProgramElsewhere) {
    StoreWorld first;
    first.window.captions[2] = QStringLiteral("graphics");
    first.lists.progs.add(QStringLiteral("Acme Sketch"));
    first.lists.progsDirs.add(first.programs(QStringLiteral("Acme")));
    first.lists.fast.add(QStringLiteral("Acme Sketch"));
    first.lists.fastDirs.add(first.startMenu(QStringLiteral("GRAPHICS")));
    CategorySuggester suggester;
    learnClassifiedChoices(first.tvn, suggester);
    EXPECT_EQ(suggested(suggester, "Acme Sketch 2", "Elsewhere"), 2);
    EXPECT_EQ(suggested(suggester, "Acme Pad", "Acme"), 2);

    StoreWorld second;
    second.state.appFolder = first.state.appFolder;
    learnClassifiedChoices(second.tvn, suggester);
    EXPECT_EQ(suggested(suggester, "Acme Sketch", "Tools"), 2);
    EXPECT_EQ(suggested(suggester, "Acme Pad", "Acme"), -1);
}

} // namespace
} // namespace tvn::test
