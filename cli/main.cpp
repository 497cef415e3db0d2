#include <QCoreApplication>
#include <cstdio>
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::fprintf(stderr, "usage: skaleron-cli COMMAND ...\n");
    return 2;
}
