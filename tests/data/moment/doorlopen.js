var alg=[];
alg[0]='BC De Troef';
alg[1]='donderdag-avond';
alg[2]=1;
alg[3]=1;
alg[4]='Jan de Vries';
alg[5]='15:30';
alg[6]=1;
alg[7]=0;
alg[8]=1;

var ikop=[];
ikop[0]='';
ikop[1]='';
ikop[2]=0;
ikop[3]=0;
ikop[4]='rgb(0,0,0)';
ikop[5]='rgb(0,0,0)';
ikop[6]=0;
ikop[7]='';
ikop[8]=0;
ikop[9]=0;
ikop[10]='';
ikop[11]='';
ikop[12]=0;
ikop[13]=0;

var actem=[];
function ActemNaarDim()
{
actem[0]='secretaris@bctroef.nl';
}
ActemNaarDim();

var dag=[];
function DagenNaarDim()
{
dag[0]='20250306';
dag[1]='20250313';
dag[2]='20250410';
}
DagenNaarDim();

function format(num, size) {
var s = num + '';
while (s.length < size) s = '0' + s;
return s;}

var idbnrbes=[];
var lid=[];
var DUM10='#000#001';
var DUM11='#000#001#004';
var DUM12='#000#004';
var DUM13='#000#001#004';

function LedenNaarDims()
{
lid[0]='-----  KIES NAAM  -----';
idbnrbes[0]='000000000000000000';
lid[1]='Anna Bakker';
idbnrbes[1]='001001000000000001';
lid[2]='Bert van Dijk';
idbnrbes[2]='001002000000000001';
lid[3]='Kees \'t Hart';
idbnrbes[3]='001005000000000001';
lid[4]='Olga Koster';
idbnrbes[4]='001009000000000001';
lid[5]='Piet Meijer';
idbnrbes[5]='001010000000000001';
lid[6]='Hans M\u00FCller';
idbnrbes[6]='001004000000000001';
lid[7]='Partner1';
idbnrbes[7]='001011000000000001';
lid[8]='Maarten Smit';
idbnrbes[8]='001007000000000001';
lid[9]='Zo\u00EB Verhoeven';
idbnrbes[9]='001003000000000001';
lid[10]='Lotte de Vries';
idbnrbes[10]='001006000000000001';
lid[11]='Rik Willems';
idbnrbes[11]='001012000000000001';
lid[12]='Aart Blom';
idbnrbes[12]='001037000000000004';
lid[13]='Evert Groen';
idbnrbes[13]='001041000000000004';
lid[14]='Cor Hoekstra';
idbnrbes[14]='001039000000000004';
lid[15]='Joost Jonker';
idbnrbes[15]='001047000000000004';
lid[16]='Henk Kramer';
idbnrbes[16]='001045000000000004';
lid[17]='Fenna Lammers';
idbnrbes[17]='001042000000000004';
lid[18]='Partner2';
idbnrbes[18]='001044000000000004';
lid[19]='Partner3';
idbnrbes[19]='001048000000000004';
lid[20]='Gijs Prins';
idbnrbes[20]='001043000000000004';
lid[21]='Dini Scholten';
idbnrbes[21]='001040000000000004';
lid[22]='Ina Vermeulen';
idbnrbes[22]='001046000000000004';
lid[23]='Bep van Wijk';
idbnrbes[23]='001038000000000004';
}

LedenNaarDims();

function VulCombo(cmbnaam)
{
var frm=document.forms[0];
for (var i=0; i<lid.length; i++)
{
var oke = 0;
var zoek = idbnrbes[i].substring(15,18);
if (cmbnaam == 'naam1'){
    if (DUM10.indexOf(zoek) > -1){oke=1} 
    if (lid[i].substring(0,7)=='Partner') {oke=0}
    }
if (cmbnaam == 'partner'){
    if (DUM11.indexOf(zoek) > -1){oke=1} }
if (cmbnaam == 'inval1'){
    if (DUM12.indexOf(zoek) > -1){oke=1}
    if (lid[i].substring(0,7)=='Partner') {oke=0}
    }
if (cmbnaam == 'inval3'){
    if (DUM13.indexOf(zoek) > -1){oke=1} }
if (oke == 1) {
var y=document.createElement('option');
y.text=lid[i];
y.value=idbnrbes[i];
var x=frm.elements[cmbnaam];
try         {x.add(y,null);}
catch(ex)   {x.add(y);}
}
}
}

