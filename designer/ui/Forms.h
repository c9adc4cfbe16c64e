#pragma once
// The windows of the program: created once at start-up, in a fixed order,
// and kept until the program ends.
namespace zv {

class TMain;
class TMobiNoua;
class TPiesaNoua;
class TCarPies;
class TTang;
class TSelePies;
class TDespre;
class TAdaugMob;
class TSalvImag;
class TJur_Imp;
class TRedimMob;
class TDistPiese;
class THelp;
class TIntrodCamera;
class TSchimbCulo;
class TOptimFoaie;
class TProiect;
class TSelProiect;
class TCreareSertar;
class TFeronerie;
class TIncarcDate;
class TVizualizarePoza;
class TPalPfl;
class TAdaugaFeronerie;
class TAdaugaPalPfl;
class TFeroneriePiesa;
class TCalculareDeviz;
class TSchimbareCodPalPfl;
class TRedimensionarePiesa;

struct AppForms {
    TMain* Main = nullptr;
    TMobiNoua* MobiNoua = nullptr;
    TPiesaNoua* PiesaNoua = nullptr;
    TCarPies* CarPies = nullptr;
    TTang* Tang = nullptr;
    TSelePies* SelePies = nullptr;
    TDespre* Despre = nullptr;
    TAdaugMob* AdaugMob = nullptr;
    TSalvImag* SalvImag = nullptr;
    TJur_Imp* Jur_Imp = nullptr;
    TRedimMob* RedimMob = nullptr;
    TDistPiese* DistPiese = nullptr;
    THelp* Help = nullptr;
    TIntrodCamera* IntrodCamera = nullptr;
    TSchimbCulo* SchimbCulo = nullptr;
    TOptimFoaie* OptimFoaie = nullptr;
    TProiect* Proiect = nullptr;
    TSelProiect* SelProiect = nullptr;
    TCreareSertar* CreareSertar = nullptr;
    TFeronerie* Feronerie = nullptr;
    TIncarcDate* IncarcDate = nullptr;
    TVizualizarePoza* VizualizarePoza = nullptr;
    TPalPfl* PalPfl = nullptr;
    TAdaugaFeronerie* AdaugaFeronerie = nullptr;
    TAdaugaPalPfl* AdaugaPalPfl = nullptr;
    TFeroneriePiesa* FeroneriePiesa = nullptr;
    TCalculareDeviz* CalculareDeviz = nullptr;
    TSchimbareCodPalPfl* SchimbareCodPalPfl = nullptr;
    TRedimensionarePiesa* RedimensionarePiesa = nullptr;
};

// The forms of the running program.
AppForms& Forms();
// Creates the 29 windows in their order, the main window first.
void CreateForms();
// Deletes them again (tests create and destroy the whole program).
void DestroyForms();

} // namespace zv
