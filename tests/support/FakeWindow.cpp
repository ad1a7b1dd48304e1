#include "tests/support/FakeWindow.h"

#include "catalogue/Categories.h"

namespace tvn::test {

FakeWindow::FakeWindow()
    : captions(builtInCategoryCaptions()) {}

} // namespace tvn::test
