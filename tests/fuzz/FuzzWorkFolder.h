#pragma once
// A private temporary folder that is the working folder of a fuzz run: files
// a target writes (and the traffic trace "log.txt") stay inside it.
#include <QString>

namespace fuzz_work_folder {

// Created and entered on first use; removed at exit.
QString path();

}
