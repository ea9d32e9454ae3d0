#pragma once
// Words for the sample library: people, places, titles, publishers. Everything
// here is made up from common Indonesian words and names.
#include <string>

#include "rng.h"

namespace zelkor::demo {

enum class Sex { Male, Female };

struct Person {
    std::string name;
    Sex sex;
};

Person RandomPerson(Rng& rng);
std::string RandomAuthor(Rng& rng);
std::string RandomCity(Rng& rng);
std::string RandomAddress(Rng& rng);
std::string RandomPublisher(Rng& rng);

// The kinds of items the sample library holds.
enum class ItemKind { Textbook, NonFiction, Novel, Comic, Magazine, Video };

std::string RandomTitle(ItemKind kind, Rng& rng, int year);

// A valid ISBN-13 of an Indonesian publisher.
std::string RandomIsbn(Rng& rng);

// "Januari" .. "Desember", as the program's month lists spell them.
const char* MonthName(int month);

}  // namespace zelkor::demo
