#pragma once

#include "PrintData.h"
#include "app/FieldNames.h"

class AppContext;
class ChannelStore;

/**
 * The names of a codeplug's fields and the texts of their values as the
 * windows show them now, in the language in use: the main window's model and
 * band captions and the channel table's column titles (as the printout takes
 * them), the table's None text and lists, the captions and lists of a
 * Function Setting dialog prepared but never shown, and the on/off words.
 * empty stands for a value that is not there.
 */
FieldNames WindowFieldNames(AppContext& ctx, const ChannelStore& store,
                            const PrintData::Sources& sources, const QString& empty);
