#pragma once

#include <QByteArray>
#include <QString>

namespace tvn::test {

// Sets an environment variable for the test's lifetime, or unsets it (a null value).
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QString& value)
        : name_(name)
        , wasSet_(qEnvironmentVariableIsSet(name))
        , old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment() {
        if (wasSet_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};

} // namespace tvn::test
