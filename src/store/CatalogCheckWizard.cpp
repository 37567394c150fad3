// The catalog check's last pass: every file the route wizard opens for the trays of the catalog, found the
// way the wizard finds it (compatibility lists, kit keys, hanger variants, fixings, pictures).
#include <set>

#include "store/CatalogCheckInternal.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Fields.h"
#include "text/Quantity.h"

namespace brenvoll::store::check {
namespace {

using text::w;

std::string q(const std::string& cp1251) {
    return "\"" + text::toUtf8(cp1251) + "\"";
}

// Assembled hanger variants: picture and kit by tray type (rolled, wire, ladder; empty: none), the
// compatibility list naming the fixings, the fixing-kit suffix and which extra part the variant needs.
struct Variant {
    const char* text;
    const char* pictures[3];
    const char* kits[3];
    const char* hangerKey;
    const char* suffix;
    enum { Console, Plank, Studs, None } needs;
};

const Variant kVariants[] = {
    {"Подвес потолочный (сборный) с применением XL",
     {"Pictur0\\XL_прокат.jpg", "Pictur0\\XL_пров.jpg", "Pictur0\\XL_лест.jpg"},
     {"Structure\\Kmpl\\XL_1", "Structure\\Kmpl\\XL_2", "Structure\\Kmpl\\XL_3"},
     "XL",
     "3",
     Variant::Console},
    {"Подвес потолочный (сборный) с применением ZKR",
     {"Pictur0\\ZKR_прокат.jpg", "Pictur0\\ZKR_пров.jpg", "Pictur0\\ZKR_лест.jpg"},
     {"Structure\\Kmpl\\ZKR_1", "Structure\\Kmpl\\ZKR_2", "Structure\\Kmpl\\ZKR_3"},
     "ZKR",
     "2",
     Variant::Console},
    {"Подвес настенный (сборный)",
     {"Pictur0\\Наст_сб_прокат.jpg", "Pictur0\\Наст_сб_пров.jpg", "Pictur0\\Наст_сб_лест.jpg"},
     {"Structure\\Kmpl\\BVR-120_1", "Structure\\Kmpl\\BVR-120_2", "Structure\\Kmpl\\BVR-120_3"},
     "BVR-120",
     "1",
     Variant::Console},
    {"Суппорт напольный",
     {"Pictur0\\Суппорт.jpg", "Pictur0\\Суппорт.jpg", ""},
     {"Structure\\Kmpl\\DMK_1", "Structure\\Kmpl\\DMK_2", ""},
     "DMK",
     "2",
     Variant::Plank},
    {"Шпильки с использованием профиля",
     {"Pictur0\\Шп_проф_прокат.jpg", "Pictur0\\Шп_проф_пров.jpg", ""},
     {"-", "-", ""},
     "",
     "",
     Variant::Studs},
    {"Перфолента TW-200",
     {"Pictur0\\Перф_прокат.jpg", "Pictur0\\Перф_прокат.jpg", ""},
     {"Structure\\Kmpl\\TW-200_1", "Structure\\Kmpl\\TW-200_1", ""},
     "TW-200",
     "1",
     Variant::None},
};

const char* kTrayTypes[] = {"Прокатный", "Проволочный", "Лестничный"};
const char* kMbrxTrays[] = {"QZN-100.35", "QZN-200.35", "QZN-60.60", "QZN-100.60", "QZN-200.60"};

// Profile piece lengths offered for a width key, by tray type (rolled, wire): how many there are.
int profileLengthCount(const std::string& widthKey, int type) {
    static const std::pair<const char*, int> rolled[] = {{"50", 5},  {"100", 5}, {"200", 4}, {"300", 3},
                                                         {"400", 2}, {"500", 1}, {"600", 0}};
    for (auto [key, count] : rolled)
        if (widthKey == key) return type == 1 ? count + 1 : count;
    return 0;
}

std::string widthKey(const std::string& trayCode) {
    std::string key;
    for (size_t i = 0; i < trayCode.size(); ++i) {
        if (trayCode[i] != '-' || i + 1 >= trayCode.size()) continue;
        if (trayCode[i + 1] < '0' || trayCode[i + 1] > '6') continue;
        key += trayCode[i + 1];
        for (size_t j = i + 2; j < trayCode.size() && trayCode[j] == '0'; ++j) key += '0';
    }
    return key;
}

class WizardCheck {
  public:
    explicit WizardCheck(Checker& c) : c_(c) {}

    void run() {
        bool wire = false;
        for (int k = 0; k < c_.store.nodeCount(); ++k) {
            if (c_.field(k, 21, 20) != w("Лоток")) continue;
            checkTray(k);
            wire = wire || c_.field(k, 41, 20) == w("Проволочный");
        }
        if (!wire) return;
        for (int i = 1; i <= 3; ++i) {
            c_.kitFile("Structure\\Krep\\HRQ6_" + std::to_string(i), "the virtual corners of wire trays");
            c_.requireFile("Pictur0\\virt_0" + std::to_string(i) + ".jpg",
                           "the virtual corners of wire trays");
        }
        if (!c_.store.FindByCode("KVD20"))
            c_.report("Structure\\FileTVCod", 0, "no product KVD20, the connector of the virtual corners");
    }

  private:
    std::string kind(int k) const { return c_.field(k, 21, 20); }

    void checkTray(int k) {
        const std::string code = c_.code(k);
        const std::string who = "tray " + q(code);
        const std::string type = c_.field(k, 41, 20);
        int ti = -1;
        for (int i = 0; i < 3; ++i)
            if (type == w(kTrayTypes[i])) ti = i;
        if (ti < 0) {
            c_.report("Structure\\FileTVL1", k + 1, "tray type " + q(type) + " is none of the three");
            return;
        }
        try {
            if (text::parseReal(c_.store.Entry(List::TV_Dlina, k)) <= 0)
                c_.report("Structure\\FileTVL", k + 1, "piece length of " + who + " is not above 0");
        } catch (const ConversionError&) {
            c_.report("Structure\\FileTVL", k + 1, "piece length of " + who + " is not a number");
        }
        const std::string kitKey = c_.field(k, 81, 5), hangerKey = c_.field(k, 86, 5);
        if (kitKey.empty() || hangerKey.empty())
            c_.report("Structure\\FileTVL1", k + 1, who + " has no kit key or hanger key in columns 81-90");
        wizardPicture(k);
        const std::string svm = "Structure\\Svm\\" + code;
        const auto* list = c_.kitFile(svm, who);
        if (!list) return;
        std::vector<int> hangers;
        for (const auto& entry : *list) {
            auto p = c_.byLogicCode(kitEntryCode(entry));
            if (!p) continue;  // reported with the list
            const std::string pk = kind(*p);
            if (pk == w("Соединитель")) {
                wizardPicture(*p);
                c_.kitFile("Structure\\Krep\\" + c_.code(*p) + "_" + kitKey, who);
            } else if (pk == w("Аксессуар")) {
                wizardPicture(*p);
                c_.kitFile("Structure\\Akses\\" + c_.code(*p) + "_1", who);
            } else if (pk == w("Угол") || pk == w("Переход")) {
                wizardPicture(*p);
                if (c_.field(*p, 61, 20) != w("Без крепежа")) checkCorner(*p);
            } else if (pk == w("Крышка") && c_.field(*p, 41, 20) == w("Угол прокат")) {
                wizardPicture(*p);
            } else if (pk == w("Подвес")) {
                hangers.push_back(*p);
            }
        }
        for (int h : hangers) {
            const std::string build = c_.field(h, 61, 20), place = c_.field(h, 41, 20);
            if (build == w("Унитарный") && place != w("Напольный")) {
                wizardPicture(h);
                c_.kitFile("Structure\\Podv\\" + c_.code(h) + "_" + hangerKey, who);
                fixings(c_.code(h), c_.field(h, 151, 5), "hanger " + q(c_.code(h)));
            } else if (build == w("Сборный") && c_.field(h, 81, 20) == w("Основа")) {
                checkVariant(code, ti, c_.field(h, 101, 50), hangers, svm);
            }
        }
    }

    void checkCorner(int p) {
        if (!cornersDone_.insert(p).second) return;
        const std::string code = c_.code(p), who = "corner or transition " + q(code);
        const std::string kitKey = c_.field(p, 81, 5);
        const auto* list = c_.kitFile("Structure\\Svm\\" + code, who);
        if (!list) return;
        for (const auto& entry : *list) {
            auto d = c_.byLogicCode(kitEntryCode(entry));
            if (!d || kind(*d) != w("Соединитель")) continue;
            wizardPicture(*d);
            if (kind(p) == w("Переход") && c_.code(*d).rfind("WKT", 0) == 0)
                c_.kitFile("Structure\\Krep\\" + code + "_", who);
            else
                c_.kitFile("Structure\\Krep\\" + c_.code(*d) + "_" + kitKey, who);
        }
    }

    void checkVariant(const std::string& trayCode, int ti, const std::string& variantText,
                      const std::vector<int>& hangers, const std::string& svm) {
        const Variant* v = nullptr;
        for (const auto& candidate : kVariants)
            if (variantText == w(candidate.text)) v = &candidate;
        if (!v || !variantsDone_.insert(variantText + "|" + trayCode).second) return;
        const std::string who = "variant " + q(variantText) + " of tray " + q(trayCode);
        if (!*v->pictures[ti]) {
            c_.report(svm, 0, who + ": that variant has no picture or kit for " + kTrayTypes[ti] + " trays");
            return;
        }
        c_.requireFile(w(v->pictures[ti]), who);
        if (*v->kits[ti] != '-') c_.kitFile(w(v->kits[ti]), who);
        if (*v->hangerKey) fixings(v->hangerKey, v->suffix, who);
        auto offers = [&](const char* prefix) {
            for (int h : hangers)
                if (c_.store.Entry(List::TV_Name, h).rfind(w(prefix), 0) == 0) return true;
            return false;
        };
        if (v->needs == Variant::Console && !offers("Консоль"))
            c_.report(svm, 0, who + ": no console (a hanger named \"Консоль…\") in the list");
        if (v->needs == Variant::Plank && !offers("Планка суппорта"))
            c_.report(svm, 0, who + ": no plank (a hanger named \"Планка суппорта…\") in the list");
        if (v->needs == Variant::Studs) checkStuds(trayCode, ti, who, svm);
    }

    void checkStuds(const std::string& trayCode, int ti, const std::string& who, const std::string& svm) {
        const char* studs[][2] = {{"RZ6", "6"}, {"RZ8-2", "8"}};
        for (auto& [stud, suffix] : studs) {
            for (int length = 1; length <= 2; ++length)
                c_.kitFile("Structure\\Kmpl\\" + std::string(stud) + "_" + std::to_string(ti * 2 + length),
                           who);
            fixings(stud, suffix, who);
        }
        if (profileLengthCount(widthKey(trayCode), ti) == 0 && !isMbrxTray(trayCode))
            c_.report(svm, 0, who + ": no profile length for the width key " + q(widthKey(trayCode)));
        for (const char* profile : {"JX100", "JX-S"}) {
            if (ti == 1 && std::string(profile) == "JX-S") continue;
            if (!c_.store.FindByCode(profile))
                c_.report(svm, 0, who + ": no product " + profile + " in the catalog");
        }
        if (!isMbrxTray(trayCode)) return;
        for (auto& [stud, suffix] : studs)
            for (int length = 5; length <= 6; ++length)
                c_.kitFile("Structure\\Kmpl\\" + std::string(stud) + "_" + std::to_string(length), who);
    }

    static bool isMbrxTray(const std::string& code) {
        for (const char* m : kMbrxTrays)
            if (code == m) return true;
        return false;
    }

    // The fixings a hanger's compatibility list offers, and their kits.
    void fixings(const std::string& hangerKey, const std::string& suffix, const std::string& who) {
        if (!fixingsDone_.insert(hangerKey + "_" + suffix).second) return;
        const std::string svm = "Structure\\Svm\\" + hangerKey;
        const auto* list = c_.kitFile(svm, who);
        if (!list) return;
        int offered = 0;
        for (const auto& entry : *list) {
            const std::string f = kitEntryCode(entry);
            for (int k = 0; k < c_.store.nodeCount(); ++k) {
                if (c_.field(k, 1, 20) != f || kind(k) != w("Метиз") ||
                    c_.field(k, 61, 20) != w("Для подвеса"))
                    continue;
                ++offered;
                c_.kitFile("Structure\\Podv\\" + f + "_" + suffix, "fixing " + q(f) + " of " + who);
                break;
            }
        }
        if (offered == 0)
            c_.report(svm, 0, "offers no fixing (kind Метиз, construction Для подвеса); needed by " + who);
    }

    // The wizard shows a product's first page picture from Pictur0.
    void wizardPicture(int k) {
        if (!picturesDone_.insert(k).second) return;
        std::string path = c_.store.Entry(List::TV_Path_P1, k);
        const size_t at = path.find("Picture");
        if (at == std::string::npos) {
            c_.report("Structure\\FileTVPP1", k + 1,
                      "the wizard finds no picture of " + q(c_.code(k)) +
                          ": its first picture is not in a Picture folder");
            return;
        }
        path.replace(at, 7, "Pictur0");
        c_.requireFile(path, "the wizard's picture of " + q(c_.code(k)));
    }

    Checker& c_;
    std::set<int> picturesDone_, cornersDone_;
    std::set<std::string> fixingsDone_, variantsDone_;
};

}  // namespace

void checkWizardFiles(Checker& checker) {
    WizardCheck(checker).run();
}

}  // namespace brenvoll::store::check
