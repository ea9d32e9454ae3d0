#pragma once
// The command line of a benchmark: at most one library path and the options the
// benchmark knows. Anything else (an unknown option, an option without its value,
// a number out of range, a second path) ends the run with the usage text, so a
// benchmark never runs on a misread command line and never waits for anything.
#include <QString>
#include <QStringList>
#include <map>

namespace zelkor::bench {

// True, after printing `usage` on stdout, when the command line asks for help
// (-h, --help): then main returns 0 before doing anything.
bool AnswerHelp(int argc, char** argv, const char* usage);

class BenchArgs {
  public:
    // `withValue`: options followed by one value ("--rows"); `flags`: options alone
    // ("--in-place"); `passThrough`: prefixes left for another parser
    // ("--benchmark_").
    BenchArgs(int argc, char** argv, const char* usage, const QStringList& withValue = {},
              const QStringList& flags = {}, const QString& passThrough = {});

    // False (after printing why and the usage) when the command line is not one
    // this benchmark understands; then main returns 2. -h or --help prints the
    // usage on stdout and ends the program.
    bool ok() const { return ok_; }
    QString path() const { return path_; }
    bool flag(const QString& name) const { return flags_.contains(name); }
    bool has(const QString& name) const { return values_.count(name) != 0; }
    QString value(const QString& name, const QString& fallback = {}) const;
    // The option as a whole number in [min, max], `fallback` when not given. Out of
    // range or not a number: the usage, and ok() turns false.
    int number(const QString& name, int fallback, int min, int max);
    // The options left for another parser, after the program name.
    const QStringList& passedThrough() const { return passed_; }

  private:
    bool fail(const QString& why);

    const char* usage_;
    bool ok_ = true;
    QString path_;
    QStringList flags_, passed_;
    std::map<QString, QString> values_;
};

}  // namespace zelkor::bench
