#include "app/AppContext.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    AppContext ctx(ResolveAppDir());
    QTextStream out(stdout);
    out << "qx7-cli " << QX7_VERSION << "\n";
    for (int i = 0; i < ctx.models().Count(); ++i) {
        const TMacType* m = ctx.models().Item(i);
        out << m->Code << "  " << m->Name << "  " << m->MinFreq << "-" << m->MaxFreq << " MHz  "
            << m->ChannelCount << " channels  bands: " << m->Bands.join(", ") << "\n";
    }
    return 0;
}
