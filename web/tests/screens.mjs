// The game's screens that the plays of the page meet, as the terminal shows
// them: the template's first line end is not part of the screen; blanks at
// the ends of rows never are.
export const titlescreen = `

                EEEEEEEE MM    MM BBBBBBB  EEEEEEEE RRRRRRR
                EE       MMM  MMM BB    BB EE       RR    RR
                EE       MMMMMMMM BB    BB EE       RR    RR
                EEEEEE   MM MM MM BBBBBBB  EEEEEE   RRRRRRR
                EE       MM    MM BB    BB EE       RR  RR
                EE       MM    MM BB    BB EE       RR   RR
                EE       MM    MM BB    BB EE       RR    RR
                EEEEEEEE MM    MM BBBBBBB  EEEEEEEE RR    RR

                FFFFFFFF EEEEEEEE LL       LL
                FF       EE       LL       LL
                FF       EE       LL       LL
                FFFFFF   EEEEEE   LL       LL
                FF       EE       LL       LL
                FF       EE       LL       LL
                FF       EE       LL       LL
                FF       EEEEEEEE LLLLLLLL LLLLLLLL

                        ╔═════════════╗
                        ║ Press Enter ║
                        ╚═════════════╝

 Version: 1.0.1`;

export const heading = `
                             Emberfell
`;

export const startmenu = `${heading}
(N)ew Game
(L)oad Game
(S)tory
(I)nstructions
(C)redits
?`;

export const mainmenu = `${heading}
(M)onsters
(Q)uest
(B)lacksmith
Ma(g)ic Shop
(I)nn
(S)tats
S(a)ve
(E)xit
?`;

// A new knight's save, as the game writes it.
export const aylasave = '10\n1\n1\n1\n1\n0\n1\n0\n4\n5\n0\n10\n5\n0\n0\n0\n1\n' +
                        '0\n'.repeat(9) + '1\n1\nAyla\n';
