var alg=[];
alg[0]='BC \'t Hoekje';
alg[1]='dinsdag-middag';
alg[2]=1;
alg[3]=1;
alg[4]='Jan "Pietje" D\'Hondt';
alg[5]='12:00\r\n';
alg[6]=1;
alg[7]=1;
alg[8]=1;

var ikop=[];
ikop[0]='C:\\Kop\\\'s';
ikop[1]='Arial';
ikop[2]=1;
ikop[3]=24;
ikop[4]='rgb(255,0,0)';
ikop[5]='rgb(0,255,0)';
ikop[6]=1;
ikop[7]='000002.gif';
ikop[8]=30;
ikop[9]=70;
ikop[10]='a\nb';
ikop[11]='tab	here';
ikop[12]=999;
ikop[13]=130;

var actem=[];
function ActemNaarDim()
{
actem[0]='a\'b@c.nl';
actem[1]='x\\y@z.nl';
}
ActemNaarDim();

var dag=[];
function DagenNaarDim()
{
dag[0]='20250902';
}
DagenNaarDim();

function format(num, size) {
var s = num + '';
while (s.length < size) s = '0' + s;
return s;}

var idbnrbes=[];
var lid=[];
var DUM10='#000#001';
var DUM11='#000#001';
var DUM12='#000#001';
var DUM13='#000#001';

function LedenNaarDims()
{
lid[0]='-----  KIES NAAM  -----';
idbnrbes[0]='000000000000000000';
lid[1]='D\'Hondt';
idbnrbes[1]='000001000000002001';
lid[2]='\'t Hart \u00EB\\';
idbnrbes[2]='000002000000001001';
lid[3]='Partner1 X';
idbnrbes[3]='000003000000000001';
lid[4]='Bas';
idbnrbes[4]='000004000000000001';
}

LedenNaarDims();

function VulCombo(cmbnaam)
{
var frm=document.forms[0];
for (var i=0; i<lid.length; i++)
{
var oke = 0;
var zoek = idbnrbes[i].substring(15,18);
if (cmbnaam == 'naam\'1'){
    if (DUM10.indexOf(zoek) > -1){oke=1} 
    if (lid[i].substring(0,7)=='Partner') {oke=0}
    }
if (cmbnaam == 'part\\ner'){
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

