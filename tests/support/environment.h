// Sets an environment variable for the life of the object, for code that reads it on each call.
#pragma once

#include <cstdlib>
#include <string>

namespace KovaTest {

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        const char* previous = std::getenv(name);
        if (previous) previous_ = previous;
        hadValue_ = previous != nullptr;
        Set(value);
    }
    ~ScopedEnvironment() { Set(hadValue_ ? previous_.c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Set(const char* value) {
#ifdef _WIN32
        _putenv_s(name_.c_str(), value ? value : "");
#else
        if (value) setenv(name_.c_str(), value, 1);
        else unsetenv(name_.c_str());
#endif
    }

    std::string name_;
    std::string previous_;
    bool hadValue_ = false;
};

}  // namespace KovaTest
