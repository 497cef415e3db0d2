#pragma once
// The name of a transfer step as the user reads it ("Reading register 3/26")
// for the technical name a gauge sequence reports ("readRegister 3/26"), in
// the current language. A name without a text of its own stays as it is.
#include <QString>

QString describeTransferStep(const QString &transaction);
