#include "FakeWindow.h"

#include "Categories.h"

namespace tvn::test {

FakeWindow::FakeWindow()
    : captions(builtInCategoryCaptions()) {}

} // namespace tvn::test
