#include "Synthetic.h"

#include "text/Cp1251.h"

namespace gencat {

Source syntheticSource(int n) {
    using brenvoll::text::w;
    static const char* kinds[] = {"Лоток", "Крышка", "Соединитель", "Аксессуар", "Подвес", "Метиз"};
    static const char* types[] = {"Прокатный", "Проволочный", "Лестничный"};
    static const char* units[] = {"Шт", "Шт", "М", "Шт", "Рул", "Шт", "Шт"};
    Source source;
    int section = -1, page = -1, pagesInSection = 0, productsInPage = 0;
    for (int k = 0; k < n; ++k) {
        Node node;
        node.where = "synthetic:" + std::to_string(k);
        if (section < 0 || (productsInPage >= 24 && pagesInSection >= 12)) {
            node.kind = Node::Kind::Section;
            node.caption = w("Раздел каталога номер ") + std::to_string(k);
            section = k;
            page = -1;
            pagesInSection = 0;
            productsInPage = 0;
        } else if (page < 0 || productsInPage >= 24) {
            node.kind = Node::Kind::Page;
            node.level = 1;
            node.parent = section;
            node.caption = w("Страница с описанием группы изделий ") + std::to_string(k);
            page = k;
            ++pagesInSection;
            productsInPage = 0;
        } else {
            node.kind = Node::Kind::Product;
            node.level = 2;
            node.parent = page;
            const std::string number = std::to_string(100000 + k);
            node.caption = w("Изделие кабеленесущей системы оцинкованное, типоразмер ") + number;
            node.attrs["code"] = "SYN-" + number + (k % 3 ? ".35" : ".60-HDZ");
            node.attrs["code1"] = std::to_string(500000 + k);
            node.attrs["unit"] = w(units[k % 7]);
            node.attrs["weight"] = std::to_string(k % 17) + "," + std::to_string(k % 10);
            node.attrs["length"] = k % 7 == 2 ? "3" : "0";
            node.attrs["price"] = std::to_string(100 + k % 900) + ",50";
            node.attrs["volume"] = "0,00" + std::to_string(k % 10);
            node.attrs["kind"] = w(kinds[k % 6]);
            node.attrs["type"] = w(types[k % 3]);
            node.attrs["kit"] = "K" + std::to_string(k % 1000);
            node.attrs["hanger"] = "H" + std::to_string(k % 100);
            node.attrs["variant"] = w("Вариант исполнения для синтетического каталога");
            node.attrs["fixkey"] = std::to_string(k % 9 + 1);
            ++productsInPage;
        }
        source.nodes.push_back(std::move(node));
    }
    return source;
}

}  // namespace gencat
