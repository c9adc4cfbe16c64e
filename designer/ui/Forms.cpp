#include "Forms.h"

#include "TMain.h"
#include "TMobiNoua.h"
#include "TPiesaNoua.h"
#include "TCarPies.h"
#include "TTang.h"
#include "TSelePies.h"
#include "TDespre.h"
#include "TAdaugMob.h"
#include "TSalvImag.h"
#include "TJur_Imp.h"
#include "TRedimMob.h"
#include "TDistPiese.h"
#include "THelp.h"
#include "TIntrodCamera.h"
#include "TSchimbCulo.h"
#include "TOptimFoaie.h"
#include "TProiect.h"
#include "TSelProiect.h"
#include "TCreareSertar.h"
#include "TFeronerie.h"
#include "TIncarcDate.h"
#include "TVizualizarePoza.h"
#include "TPalPfl.h"
#include "TAdaugaFeronerie.h"
#include "TAdaugaPalPfl.h"
#include "TFeroneriePiesa.h"
#include "TCalculareDeviz.h"
#include "TSchimbareCodPalPfl.h"
#include "TRedimensionarePiesa.h"

namespace zv {

AppForms& Forms() {
    static AppForms forms;
    return forms;
}

void CreateForms() {
    AppForms& f = Forms();
    // Later windows read the main window while they are created.
    f.Main = new TMain();
    f.MobiNoua = new TMobiNoua();
    f.PiesaNoua = new TPiesaNoua();
    f.CarPies = new TCarPies();
    f.Tang = new TTang();
    f.SelePies = new TSelePies();
    f.Despre = new TDespre();
    f.AdaugMob = new TAdaugMob();
    f.SalvImag = new TSalvImag();
    f.Jur_Imp = new TJur_Imp();
    f.RedimMob = new TRedimMob();
    f.DistPiese = new TDistPiese();
    f.Help = new THelp();
    f.IntrodCamera = new TIntrodCamera();
    f.SchimbCulo = new TSchimbCulo();
    f.OptimFoaie = new TOptimFoaie();
    f.Proiect = new TProiect();
    f.SelProiect = new TSelProiect();
    f.CreareSertar = new TCreareSertar();
    f.Feronerie = new TFeronerie();
    f.IncarcDate = new TIncarcDate();
    f.VizualizarePoza = new TVizualizarePoza();
    f.PalPfl = new TPalPfl();
    f.AdaugaFeronerie = new TAdaugaFeronerie();
    f.AdaugaPalPfl = new TAdaugaPalPfl();
    f.FeroneriePiesa = new TFeroneriePiesa();
    f.CalculareDeviz = new TCalculareDeviz();
    f.SchimbareCodPalPfl = new TSchimbareCodPalPfl();
    f.RedimensionarePiesa = new TRedimensionarePiesa();
}

void DestroyForms() {
    AppForms& f = Forms();
    delete f.RedimensionarePiesa;
    f.RedimensionarePiesa = nullptr;
    delete f.SchimbareCodPalPfl;
    f.SchimbareCodPalPfl = nullptr;
    delete f.CalculareDeviz;
    f.CalculareDeviz = nullptr;
    delete f.FeroneriePiesa;
    f.FeroneriePiesa = nullptr;
    delete f.AdaugaPalPfl;
    f.AdaugaPalPfl = nullptr;
    delete f.AdaugaFeronerie;
    f.AdaugaFeronerie = nullptr;
    delete f.PalPfl;
    f.PalPfl = nullptr;
    delete f.VizualizarePoza;
    f.VizualizarePoza = nullptr;
    delete f.IncarcDate;
    f.IncarcDate = nullptr;
    delete f.Feronerie;
    f.Feronerie = nullptr;
    delete f.CreareSertar;
    f.CreareSertar = nullptr;
    delete f.SelProiect;
    f.SelProiect = nullptr;
    delete f.Proiect;
    f.Proiect = nullptr;
    delete f.OptimFoaie;
    f.OptimFoaie = nullptr;
    delete f.SchimbCulo;
    f.SchimbCulo = nullptr;
    delete f.IntrodCamera;
    f.IntrodCamera = nullptr;
    delete f.Help;
    f.Help = nullptr;
    delete f.DistPiese;
    f.DistPiese = nullptr;
    delete f.RedimMob;
    f.RedimMob = nullptr;
    delete f.Jur_Imp;
    f.Jur_Imp = nullptr;
    delete f.SalvImag;
    f.SalvImag = nullptr;
    delete f.AdaugMob;
    f.AdaugMob = nullptr;
    delete f.Despre;
    f.Despre = nullptr;
    delete f.SelePies;
    f.SelePies = nullptr;
    delete f.Tang;
    f.Tang = nullptr;
    delete f.CarPies;
    f.CarPies = nullptr;
    delete f.PiesaNoua;
    f.PiesaNoua = nullptr;
    delete f.MobiNoua;
    f.MobiNoua = nullptr;
    delete f.Main;
    f.Main = nullptr;
}

} // namespace zv
