#include "names.h"

namespace zelkor::demo {

namespace {

const char* const kMaleNames[] = {
    "Agus",    "Budi",   "Dedi",  "Eko",    "Fajar", "Hendra", "Irfan",  "Joko",  "Rizky", "Yusuf",
    "Andi",    "Bayu",   "Dimas", "Gilang", "Hadi",  "Ilham",  "Kurnia", "Lutfi", "Made",  "Nanda",
    "Putra",   "Rahmat", "Surya", "Taufik", "Wahyu", "Yoga",   "Asep",   "Cecep", "Ujang", "Dadang",
    "Bambang", "Teguh",  "Arif",  "Farhan", "Galih", "Reza",   "Satria", "Iwan",  "Hari",  "Anton"};
const char* const kFemaleNames[] = {
    "Siti",  "Dewi",   "Rina",   "Ayu",     "Fitri", "Indah", "Lestari", "Maya",   "Nur",       "Putri",
    "Ratna", "Sari",   "Tuti",   "Wulan",   "Yuni",  "Anisa", "Citra",   "Dian",   "Eka",       "Fauziah",
    "Gita",  "Hana",   "Intan",  "Kartika", "Lina",  "Mega",  "Novi",    "Rahma",  "Salsabila", "Tiara",
    "Euis",  "Neneng", "Aisyah", "Bunga",   "Dinda", "Endah", "Lilis",   "Nabila", "Rosa",      "Vina"};
const char* const kFamilyNames[] = {
    "Santoso",     "Wijaya",    "Saputra",  "Hidayat",   "Pratama",     "Nugroho",   "Setiawan",
    "Kurniawan",   "Susanto",   "Gunawan",  "Rahayu",    "Permana",     "Hakim",     "Firmansyah",
    "Ramadhan",    "Purnama",   "Suryadi",  "Wibowo",    "Utami",       "Maharani",  "Lubis",
    "Siregar",     "Nasution",  "Harahap",  "Sihombing", "Simanjuntak", "Sembiring", "Tarigan",
    "Pangaribuan", "Manurung",  "Sitompul", "Daulay",    "Sudrajat",    "Supriatna", "Hermawan",
    "Kusuma",      "Anggraini", "Fauzi",    "Syahputra", "Hasibuan"};
const char* const kCities[] = {"Bandung",    "Cimahi",   "Garut",    "Sumedang",   "Tasikmalaya", "Cianjur",
                               "Bogor",      "Jakarta",  "Bekasi",   "Cirebon",    "Sukabumi",    "Subang",
                               "Purwakarta", "Semarang", "Surabaya", "Yogyakarta", "Medan",       "Makassar"};
const char* const kStreets[] = {"Melati",        "Mawar",    "Kenanga",    "Flamboyan",      "Cempaka",
                                "Anggrek",       "Merdeka",  "Pahlawan",   "Sudirman",       "Diponegoro",
                                "Gatot Subroto", "Cendana",  "Kebon Jati", "Pasir Kaliki",   "Setiabudi",
                                "Cihampelas",    "Sukajadi", "Cibaduyut",  "Soekarno-Hatta", "Pajajaran",
                                "Dago",          "Antapani"};
const char* const kPublishers[] = {"Pustaka Cahaya Ilmu", "Bina Aksara Nusantara", "Penerbit Sinar Pelajar",
                                   "Gita Media Pustaka",  "Tunas Bangsa Press",    "Pustaka Harapan",
                                   "Cakrawala Ilmu",      "Graha Pendidikan",      "Mitra Guru Mandiri",
                                   "Lentera Nusa",        "Penerbit Kencana Muda", "Rumah Buku Parahyangan"};

const char* const kSubjects[] = {"Matematika",
                                 "Fisika",
                                 "Kimia",
                                 "Biologi",
                                 "Bahasa Indonesia",
                                 "Bahasa Inggris",
                                 "Sejarah Indonesia",
                                 "Geografi",
                                 "Ekonomi",
                                 "Sosiologi",
                                 "PPKn",
                                 "Seni Budaya",
                                 "Pendidikan Agama Islam",
                                 "Prakarya",
                                 "Informatika",
                                 "Bahasa Sunda",
                                 "IPA Terpadu",
                                 "IPS Terpadu"};
const char* const kClasses[] = {"VII", "VIII", "IX", "X", "XI", "XII"};
const char* const kTextbookForms[] = {"Buku Siswa %s Kelas %c",   "%s untuk SMA/MA Kelas %c",
                                      "Latihan Soal %s Kelas %c", "Ringkasan Materi %s Kelas %c",
                                      "Pintar %s Kelas %c",       "Modul Praktikum %s Kelas %c"};
const char* const kNonFictionTitles[] = {"Panduan Praktis Berkebun Sayur di Pekarangan",
                                         "Mengenal Rumah Adat Nusantara",
                                         "Ensiklopedia Flora dan Fauna Indonesia",
                                         "Kisah Para Pahlawan Nasional",
                                         "Kiat Menulis Karya Ilmiah Remaja",
                                         "Dasar-Dasar Pemrograman Komputer",
                                         "Resep Masakan Khas Sunda",
                                         "Cerita Rakyat dari Sabang sampai Merauke",
                                         "Atlas Indonesia dan Dunia",
                                         "Kamus Lengkap Bahasa Inggris-Indonesia",
                                         "Mengenal Gunung Api di Indonesia",
                                         "Pertolongan Pertama pada Kecelakaan",
                                         "Belajar Fotografi untuk Pemula",
                                         "Sejarah Kota Bandung",
                                         "Budidaya Ikan Lele Sistem Bioflok",
                                         "Kerajinan Tangan dari Barang Bekas",
                                         "Tata Surya dan Antariksa",
                                         "Kamus Besar Istilah Ekonomi",
                                         "Mengenal Batik Nusantara",
                                         "Petunjuk Praktis Pramuka Penggalang"};
const char* const kNovelNouns[] = {"Senja", "Hujan",   "Pelangi", "Rembulan", "Bintang", "Ombak",
                                   "Angin", "Merpati", "Cahaya",  "Lentera",  "Embun",   "Kabut"};
const char* const kNovelPlaces[] = {"Tepi Danau",  "Kota Tua",        "Lembah Hijau", "Pulau Seberang",
                                    "Ujung Jalan", "Kampung Halaman", "Bukit Kapur",  "Pelabuhan"};
const char* const kNovelMoods[] = {"Terakhir", "yang Hilang", "Biru", "Sunyi", "Abadi", "Pertama", "Kelabu"};
const char* const kHeroes[] = {"Ucok", "Bima", "Kancil", "Jaka", "Dimas", "Lala", "Komo", "Gatot"};
const char* const kComicThings[] = {"Naga Api",       "Harta Karun", "Robot Raksasa",
                                    "Hutan Larangan", "Kapal Hantu", "Pedang Pusaka"};
const char* const kMagazines[] = {"Cakrawala Remaja", "Dunia Sains", "Tani Maju", "Pelajar Kita",
                                  "Warta Sekolah"};
const char* const kTales[] = {"Malin Kundang", "Sangkuriang",    "Timun Mas", "Bawang Merah Bawang Putih",
                              "Si Kancil",     "Lutung Kasarung"};

std::string format(const char* pattern, const char* text, const char* cls) {
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            out += text;
            ++p;
        } else if (p[0] == '%' && p[1] == 'c') {
            out += cls;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace

Person RandomPerson(Rng& rng) {
    const bool male = rng.chance(0.5);
    std::string name = male ? rng.pick(kMaleNames) : rng.pick(kFemaleNames);
    name += ' ';
    name += rng.pick(kFamilyNames);
    return {name, male ? Sex::Male : Sex::Female};
}

std::string RandomAuthor(Rng& rng) {
    std::string name = RandomPerson(rng).name;
    if (rng.chance(0.15)) name += ", S.Pd.";
    return name;
}

std::string RandomCity(Rng& rng) {
    return rng.below(3) == 0 ? rng.pick(kCities) : "Bandung";
}

std::string RandomAddress(Rng& rng) {
    std::string a = "Jl. ";
    a += rng.pick(kStreets);
    a += " No. " + std::to_string(rng.between(1, 180));
    if (rng.chance(0.5))
        a += " RT " + std::to_string(rng.between(1, 12)) + "/RW " + std::to_string(rng.between(1, 9));
    a += ", ";
    a += rng.below(4) == 0 ? rng.pick(kCities) : "Bandung";
    return a;
}

std::string RandomPublisher(Rng& rng) {
    return rng.pick(kPublishers);
}

std::string RandomTitle(ItemKind kind, Rng& rng, int year) {
    std::string t;
    switch (kind) {
        case ItemKind::Textbook:
            t = format(rng.pick(kTextbookForms), rng.pick(kSubjects), rng.pick(kClasses));
            break;
        case ItemKind::NonFiction:
            t = rng.pick(kNonFictionTitles);
            break;
        case ItemKind::Novel:
            switch (rng.below(3)) {
                case 0:
                    t = std::string(rng.pick(kNovelNouns)) + " di " + rng.pick(kNovelPlaces);
                    break;
                case 1:
                    t = std::string(rng.pick(kNovelNouns)) + " " + rng.pick(kNovelMoods);
                    break;
                default:
                    t = std::string("Rahasia ") + rng.pick(kNovelNouns) + " " + rng.pick(kNovelPlaces);
            }
            break;
        case ItemKind::Comic:
            t = std::string("Petualangan ") + rng.pick(kHeroes) + " dan " + rng.pick(kComicThings);
            t += " " + std::to_string(rng.between(1, 12));
            return t;
        case ItemKind::Magazine:
            return std::string("Majalah ") + rng.pick(kMagazines) + " Edisi " +
                   MonthName(rng.between(1, 12)) + " " + std::to_string(rng.between(year - 6, year - 1));
        case ItemKind::Video:
            if (rng.chance(0.5)) return std::string("VCD Dongeng ") + rng.pick(kTales);
            return std::string("DVD Pembelajaran ") + rng.pick(kSubjects) + " Kelas " + rng.pick(kClasses);
    }
    if (rng.chance(0.2)) t += " Jilid " + std::to_string(rng.between(1, 3));
    return t;
}

std::string RandomIsbn(Rng& rng) {
    static const char* const kPrefixes[] = {"978602", "978979", "978623"};
    std::string s = rng.pick(kPrefixes);
    while (s.size() < 12) s += static_cast<char>('0' + rng.below(10));
    int sum = 0;
    for (int i = 0; i < 12; ++i) sum += (s[i] - '0') * (i % 2 ? 3 : 1);
    s += static_cast<char>('0' + (10 - sum % 10) % 10);
    return s;
}

const char* MonthName(int month) {
    static const char* const kMonths[] = {"Januari",   "Februari", "Maret",    "April",
                                          "Mei",       "Juni",     "Juli",     "Agustus",
                                          "September", "Oktober",  "Nopember", "Desember"};
    return kMonths[(month - 1) % 12];
}

}  // namespace zelkor::demo
