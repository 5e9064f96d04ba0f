// Child of the crash test: adds an Inventory row and updates it, over and over, printing
// the number of each completed Update, until it is killed.
#include "data/data_environment.h"
#include "data/fields.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    tlm::DataEnvironment data(QString::fromLocal8Bit(argv[1]));
    data.openAll();
    auto& rs = data.rsInventory;
    for (long i = 1;; ++i) {
        rs.AddNew();
        for (int f = tlm::fld::Inventory::Area; f < tlm::fld::Inventory::Count; ++f)
            rs.setField(f, QStringLiteral("row %1 field %2").arg(i).arg(f));
        rs.Update();
        rs.setField(tlm::fld::Inventory::Make, QStringLiteral("updated %1").arg(i));
        rs.Update();
        std::printf("%ld\n", i);
        std::fflush(stdout);
    }
}
