#pragma once

class TALL;
class TFrqList;
class TMacList;

/** Fills the band list with its fourteen entries, in their fixed order. */
void FillBandList(TFrqList& bands);

/** Sets the application title and fills the catalogue with the UHF and VHF models. */
void FillCatalogue(TMacList& models, TALL& all);
